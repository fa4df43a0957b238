#ifndef HX_I_VESK_META_DATA_CONTAINER_H
#define HX_I_VESK_META_DATA_CONTAINER_H

#include <irrTypes.h>

class CVeskDeserializer;
class CVeskSerializer;
class IVeskMetaDataEntry;

//! An ordered list of metadata entries, carried by nodes as an additional base. Nodes are
//! never destroyed through this interface, so it has no virtual destructor.
class IVeskMetaDataContainer
{
public:
	virtual irr::s32 getEntryCount() const = 0;
	//! Null outside 0 … count − 1.
	virtual IVeskMetaDataEntry* getEntry(irr::s32 index) const = 0;
	//! Appends entry and grabs it; null is ignored.
	virtual void addEntry(IVeskMetaDataEntry* entry) = 0;
	//! Drops the first slot holding entry and closes the gap.
	virtual void removeEntry(IVeskMetaDataEntry* entry) = 0;
	//! The first entry of that type, or null.
	virtual IVeskMetaDataEntry* findEntryByType(irr::s32 type) const = 0;
	//! A new entry of a known type (one reference for the caller), or null.
	virtual IVeskMetaDataEntry* createEntry(irr::s32 type) const = 0;
	//! Writes the list as one metadata chunk (31) of entry chunks (32).
	virtual void writeMetaData(CVeskSerializer* writer) const = 0;
	//! Reads the entries of the metadata chunk whose header was read last.
	virtual void readMetaData(CVeskDeserializer* reader) = 0;
	//! Replaces this list by clones of other's entries.
	virtual void copyFrom(const IVeskMetaDataContainer* other) = 0;
};

#endif
