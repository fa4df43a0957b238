#ifndef HX_I_VESK_META_DATA_ENTRY_H
#define HX_I_VESK_META_DATA_ENTRY_H

#include <IReferenceCounted.h>

class CVeskDeserializer;
class CVeskSerializer;

//! Stored type numbers of the metadata entry classes.
enum E_VESK_META_DATA_ENTRY_TYPE
{
	EVMT_ROOM_MESH = 0,
	EVMT_OPEN_CLOSED = 1
};

//! One typed piece of data the scene editor attaches to a node. The player keeps it, copies it
//! with its node and writes it back; nothing reads its values.
class IVeskMetaDataEntry : public virtual irr::IReferenceCounted
{
public:
	virtual ~IVeskMetaDataEntry() {}
	virtual irr::s32 getType() const = 0;
	//! Writes the entry's payload (after the stored type).
	virtual void writeBinary(CVeskSerializer* writer) = 0;
	//! Reads exactly the entry's payload.
	virtual void readBinary(CVeskDeserializer* reader) = 0;
	//! A new entry with the same values; one reference for the caller.
	virtual IVeskMetaDataEntry* clone() const = 0;
};

#endif
