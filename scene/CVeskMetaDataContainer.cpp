#include "scene/CVeskMetaDataContainer.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "scene/CVeskMetaDataEntryOpenClosed.h"
#include "scene/CVeskMetaDataEntryRoomMesh.h"

using namespace irr;

namespace
{

enum
{
	TAG_META_DATA = 31,
	TAG_META_DATA_ENTRY = 32
};

} // end anonymous namespace

CVeskMetaDataContainer::~CVeskMetaDataContainer()
{
	removeAllEntries();
}

void CVeskMetaDataContainer::removeAllEntries()
{
	for (u32 i = 0; i < Entries.size(); ++i)
		Entries[i]->drop();
	Entries.clear();
}

IVeskMetaDataEntry* CVeskMetaDataContainer::getEntry(s32 index) const
{
	if (index < 0 || u32(index) >= Entries.size())
		return 0;
	return Entries[index];
}

void CVeskMetaDataContainer::addEntry(IVeskMetaDataEntry* entry)
{
	if (!entry)
		return;
	entry->grab();
	Entries.push_back(entry);
}

void CVeskMetaDataContainer::removeEntry(IVeskMetaDataEntry* entry)
{
	if (!entry)
		return;
	const s32 index = Entries.linear_search(entry);
	if (index < 0)
		return;
	Entries.erase(u32(index));
	entry->drop();
}

IVeskMetaDataEntry* CVeskMetaDataContainer::findEntryByType(s32 type) const
{
	for (u32 i = 0; i < Entries.size(); ++i)
		if (Entries[i]->getType() == type)
			return Entries[i];
	return 0;
}

IVeskMetaDataEntry* CVeskMetaDataContainer::createEntry(s32 type) const
{
	if (type == EVMT_ROOM_MESH)
		return new CVeskMetaDataEntryRoomMesh();
	if (type == EVMT_OPEN_CLOSED)
		return new CVeskMetaDataEntryOpenClosed();
	return 0;
}

void CVeskMetaDataContainer::writeMetaData(CVeskSerializer* writer) const
{
	writer->beginChunk(TAG_META_DATA);
	for (u32 i = 0; i < Entries.size(); ++i)
	{
		writer->beginChunk(TAG_META_DATA_ENTRY);
		writer->writeInt(Entries[i]->getType());
		Entries[i]->writeBinary(writer);
		writer->endChunk();
	}
	writer->endChunk();
}

void CVeskMetaDataContainer::readMetaData(CVeskDeserializer* reader)
{
	const long end = reader->getChunkEnd();
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long entryEnd = reader->getChunkEnd();
		if (tag == TAG_META_DATA_ENTRY)
		{
			IVeskMetaDataEntry* entry = createEntry(reader->readInt());
			if (entry)
			{
				entry->readBinary(reader);
				addEntry(entry);
				entry->drop();
			}
		}
		// A damaged entry must not shift the ones after it.
		reader->seekTo(entryEnd);
	}
}

void CVeskMetaDataContainer::copyFrom(const IVeskMetaDataContainer* other)
{
	if (other == this)
		return;
	removeAllEntries();
	if (!other)
		return;
	for (s32 i = 0; i < other->getEntryCount(); ++i)
	{
		IVeskMetaDataEntry* entry = other->getEntry(i);
		if (!entry)
			continue;
		IVeskMetaDataEntry* copy = entry->clone();
		addEntry(copy);
		copy->drop();
	}
}
