#ifndef HX_C_VESK_META_DATA_ENTRY_OPEN_CLOSED_H
#define HX_C_VESK_META_DATA_ENTRY_OPEN_CLOSED_H

#include "scene/IVeskMetaDataEntry.h"

//! Whether the thing a node stands for (a door, a box) is open.
class CVeskMetaDataEntryOpenClosed : public IVeskMetaDataEntry
{
public:
	CVeskMetaDataEntryOpenClosed() : Value(true) {}

	virtual irr::s32 getType() const { return EVMT_OPEN_CLOSED; }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);
	virtual IVeskMetaDataEntry* clone() const;

	bool getValue() const { return Value; }
	void setValue(bool value) { Value = value; }

private:
	bool Value;
};

#endif
