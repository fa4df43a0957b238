#ifndef HX_C_VESK_META_DATA_CONTAINER_H
#define HX_C_VESK_META_DATA_CONTAINER_H

#include "scene/IVeskMetaDataContainer.h"

#include <irrArray.h>

//! The metadata list of mesh, sky box and dummy transformation nodes; holds one reference
//! to each entry.
class CVeskMetaDataContainer : public IVeskMetaDataContainer
{
public:
	CVeskMetaDataContainer() {}
	~CVeskMetaDataContainer();

	virtual irr::s32 getEntryCount() const { return irr::s32(Entries.size()); }
	virtual IVeskMetaDataEntry* getEntry(irr::s32 index) const;
	virtual void addEntry(IVeskMetaDataEntry* entry);
	virtual void removeEntry(IVeskMetaDataEntry* entry);
	virtual IVeskMetaDataEntry* findEntryByType(irr::s32 type) const;
	virtual IVeskMetaDataEntry* createEntry(irr::s32 type) const;
	virtual void writeMetaData(CVeskSerializer* writer) const;
	virtual void readMetaData(CVeskDeserializer* reader);
	virtual void copyFrom(const IVeskMetaDataContainer* other);

private:
	// Copying would share entries without grabbing them; clones go through copyFrom.
	CVeskMetaDataContainer(const CVeskMetaDataContainer&) = delete;
	CVeskMetaDataContainer& operator=(const CVeskMetaDataContainer&) = delete;

	void removeAllEntries();

	irr::core::array<IVeskMetaDataEntry*> Entries;
};

#endif
