// Metadata entries: the node records that carry them, their payloads, the container's list
// operations and copies, and damaged sizes.
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/IVeskSerializationSupport.h"
#include "document/veskNodeTree.h"
#include "document/veskTypeCodes.h"
#include "document/veskVersion.h"
#include "scene/CVeskDummyTransformationSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/CVeskMetaDataEntryOpenClosed.h"
#include "scene/CVeskMetaDataEntryRoomMesh.h"
#include "scene/veskNodeFactory.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <gtest/gtest.h>

#include <functional>

using namespace irr;

namespace
{

typedef std::function<void(CVeskSerializer*)> Fill;

void chunk(CVeskSerializer* w, u16 tag, const Fill& body)
{
	w->beginChunk(tag);
	if (body)
		body(w);
	w->endChunk();
}

void entryChunk(CVeskSerializer* w, s32 type, const Fill& payload)
{
	chunk(w, 32, [&](CVeskSerializer* w) {
		w->writeInt(type);
		if (payload)
			payload(w);
	});
}

void openClosedPayload(CVeskSerializer* w, s32 flag)
{
	w->writeInt(0);
	w->writeInt(flag);
}

//! A room mesh payload with the given size and cell bytes and no textures.
void roomMeshPayload(CVeskSerializer* w, s32 width, s32 height, const std::vector<u8>& cells, s32 mode = 1)
{
	w->writeInt(0);
	w->writeInt(width);
	w->writeInt(height);
	w->writeBytes(cells.data(), u32(cells.size()));
	for (int i = 0; i < 21; ++i)
		w->writeString("");
	w->writeInt(mode);
	w->writeString("");
	w->writeFloat(0.75f);
	w->writeVector(core::vector3df(4, 5, 6));
}

class MetaData : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		SceneManager = Device->getSceneManager()->createNewSceneManager(false);
	}
	void TearDown() override
	{
		if (SceneManager)
			SceneManager->drop();
		if (Device)
			Device->drop();
	}

	//! A node record of that class: its fresh payload, then whatever tail writes.
	std::vector<u8> record(u32 code, const Fill& tail)
	{
		scene::ISceneNode* fresh = createVeskSceneNode(code, 0, SceneManager, 4, core::vector3df(), 0);
		const std::vector<u8> payload = hxtest::writtenBytes([&](CVeskSerializer* w) {
			dynamic_cast<IVeskSerializationSupport*>(fresh)->writeBinary(w);
		});
		fresh->drop();
		return hxtest::writtenBytes([&](CVeskSerializer* w) {
			chunk(w, 9, [&](CVeskSerializer* w) {
				w->writeUInt(code);
				w->writeInt(4);
				w->writeString("door");
				w->writeVector(core::vector3df(0, 0, 0));
				w->writeVector(core::vector3df(0, 0, 0));
				w->writeVector(core::vector3df(1, 1, 1));
				w->writeBool(true);
				w->writeUInt(code == VESK_NODE_DUMMY_TRANSFORMATION ? 0 : 1);
				chunk(w, 10, [&](CVeskSerializer* w) { w->writeBytes(payload.data(), u32(payload.size())); });
				tail(w);
			});
		});
	}

	//! Reads bytes as one node record below a fresh root; the node made, or null.
	scene::ISceneNode* read(const std::vector<u8>& bytes)
	{
		SceneManager->clear();
		io::IReadFile* file = hxtest::createReadFileFromBytes(bytes);
		CVeskDeserializer* reader = new CVeskDeserializer(file, Device);
		reader->setVersion(VESK_CURRENT_VERSION);
		reader->readChunkHeader();
		readNodeRecord(reader, SceneManager->getRootSceneNode(), SceneManager, 1);
		EXPECT_EQ(reader->getPosition(), reader->getFileSize());
		reader->drop();
		file->drop();
		const core::list<scene::ISceneNode*>& children = SceneManager->getRootSceneNode()->getChildren();
		return children.empty() ? 0 : *children.begin();
	}

	static IVeskMetaDataContainer* metaDataOf(scene::ISceneNode* node)
	{
		return dynamic_cast<IVeskMetaDataContainer*>(node);
	}

	std::vector<u8> written(scene::ISceneNode* node)
	{
		return hxtest::writtenBytes([&](CVeskSerializer* w) { writeNodeRecord(w, node, SceneManager); });
	}

	IrrlichtDevice* Device = 0;
	scene::ISceneManager* SceneManager = 0;
};

} // end anonymous namespace

TEST_F(MetaData, OnlyTheFirstMetaDataChunkOfAMeshOrDummyRecordReachesItsNode)
{
	struct Case { u32 code; s32 expectedEntries; };
	// The sky box derives from the mesh node, but its records do not carry metadata.
	const Case cases[] = { { VESK_NODE_MESH, 2 }, { VESK_NODE_DUMMY_TRANSFORMATION, 2 }, { VESK_NODE_SKY_BOX, 0 } };
	for (const Case& c : cases)
	{
		const std::vector<u8> bytes = record(c.code, [](CVeskSerializer* w) {
			chunk(w, 31, [](CVeskSerializer* w) {
				entryChunk(w, 7, [](CVeskSerializer* w) { w->writeInt(99); });
				entryChunk(w, 1, [](CVeskSerializer* w) { openClosedPayload(w, 0); });
				chunk(w, 33, [](CVeskSerializer* w) { w->writeInt(1); });
				entryChunk(w, 0, [](CVeskSerializer* w) { roomMeshPayload(w, 3, 2, { 1, 2, 3, 4, 5, 6 }); });
			});
			chunk(w, 31, [](CVeskSerializer* w) {
				entryChunk(w, 1, [](CVeskSerializer* w) { openClosedPayload(w, 1); });
			});
		});
		scene::ISceneNode* node = read(bytes);
		ASSERT_NE(node, nullptr);
		IVeskMetaDataContainer* metaData = metaDataOf(node);
		ASSERT_NE(metaData, nullptr);
		ASSERT_EQ(metaData->getEntryCount(), c.expectedEntries) << c.code;
		if (!c.expectedEntries)
			continue;
		CVeskMetaDataEntryOpenClosed* door = dynamic_cast<CVeskMetaDataEntryOpenClosed*>(metaData->getEntry(0));
		ASSERT_NE(door, nullptr);
		EXPECT_FALSE(door->getValue());
		CVeskMetaDataEntryRoomMesh* room = dynamic_cast<CVeskMetaDataEntryRoomMesh*>(metaData->getEntry(1));
		ASSERT_NE(room, nullptr);
		EXPECT_EQ(room->getGridWidth(), 3);
		EXPECT_EQ(room->getGridHeight(), 2);
		EXPECT_EQ(room->getCell(2, 1), 6) << "cell (2, 1) is the sixth byte";
		EXPECT_EQ(room->getCell(1, 0), 2);
		EXPECT_EQ(room->getMode(), 1);
		EXPECT_FLOAT_EQ(room->getScalar(), 0.75f);
		EXPECT_EQ(room->getVector(), core::vector3df(4, 5, 6));
		EXPECT_EQ(metaData->findEntryByType(EVMT_ROOM_MESH), room);
		EXPECT_EQ(metaData->getEntry(2), nullptr);
		EXPECT_EQ(metaData->getEntry(-1), nullptr);
	}
}

TEST_F(MetaData, RecordsWithEntriesAreWrittenBackByteForByte)
{
	video::ITexture* texture = Device->getVideoDriver()->addTexture(core::dimension2du(2, 2), "#cells.png");
	const Fill entries[] = {
		[](CVeskSerializer* w) { entryChunk(w, 1, [](CVeskSerializer* w) { openClosedPayload(w, 0); }); },
		[](CVeskSerializer* w) { entryChunk(w, 1, [](CVeskSerializer* w) { openClosedPayload(w, 1); }); },
		[](CVeskSerializer* w) { entryChunk(w, 0, [](CVeskSerializer* w) { roomMeshPayload(w, 3, 2, { 9, 8, 7, 6, 5, 4 }, 2); }); },
		[](CVeskSerializer* w) { entryChunk(w, 0, [](CVeskSerializer* w) { roomMeshPayload(w, 0, 0, {}, 0); }); },
		[](CVeskSerializer* w) {
			entryChunk(w, 0, [](CVeskSerializer* w) {
				w->writeInt(0);
				w->writeInt(1);
				w->writeInt(1);
				w->writeByte(3);
				for (int i = 0; i < 21; ++i)
					w->writeString(i == 0 || i == 20 ? "" : "#cells.png");
				w->writeInt(1);
				w->writeString("#cells.png");
				w->writeFloat(1.5f);
				w->writeVector(core::vector3df(0, 0, 0));
			});
			entryChunk(w, 1, [](CVeskSerializer* w) { openClosedPayload(w, 1); });
		},
	};
	for (u32 code : { VESK_NODE_MESH, VESK_NODE_DUMMY_TRANSFORMATION })
		for (const Fill& entry : entries)
		{
			const std::vector<u8> bytes = record(code, [&](CVeskSerializer* w) { chunk(w, 31, entry); });
			scene::ISceneNode* node = read(bytes);
			ASSERT_NE(node, nullptr);
			EXPECT_TRUE(written(node) == bytes) << "node class " << code;
		}
	SceneManager->clear();
	EXPECT_EQ(texture->getReferenceCount(), 1) << "the read entries were dropped with their nodes, and their textures";
}

TEST_F(MetaData, DamagedSizesAreNeitherAllocatedNorReadAsCells)
{
	struct Case { s32 width, height; u32 storedCells; s32 mode, expectedMode; };
	const Case cases[] = {
		{ 65536, 32768, 0, 1, 1 }, // 2^31 cells in a file of a few hundred bytes
		{ -3, -2, 0, 1, 1 },       // never written by the editor: no cells, and none read
		{ 0, 5, 0, 2, 2 },
		{ 4, -1, 0, 1, 1 },
		{ 2, 2, 4, 7, 0 },         // a mode outside 0 … 2 is ignored
		{ 2, 2, 4, -1, 0 },
	};
	for (const Case& c : cases)
	{
		const std::vector<u8> bytes = record(VESK_NODE_MESH, [&](CVeskSerializer* w) {
			chunk(w, 31, [&](CVeskSerializer* w) {
				entryChunk(w, 0, [&](CVeskSerializer* w) { roomMeshPayload(w, c.width, c.height, std::vector<u8>(c.storedCells, 1), c.mode); });
				entryChunk(w, 1, [](CVeskSerializer* w) { openClosedPayload(w, 0); });
			});
		});
		scene::ISceneNode* node = read(bytes);
		ASSERT_NE(node, nullptr);
		IVeskMetaDataContainer* metaData = metaDataOf(node);
		ASSERT_EQ(metaData->getEntryCount(), 2);
		CVeskMetaDataEntryRoomMesh* room = dynamic_cast<CVeskMetaDataEntryRoomMesh*>(metaData->getEntry(0));
		ASSERT_NE(room, nullptr);
		const bool accepted = c.width == 2;
		EXPECT_EQ(room->getGridWidth(), accepted ? 2 : 0) << c.width << "x" << c.height;
		EXPECT_EQ(room->getCell(1, 1), accepted ? 1 : 0);
		EXPECT_EQ(room->getMode(), c.expectedMode) << c.mode;
		EXPECT_FLOAT_EQ(room->getScalar(), 0.75f) << "the fields after the cells are read from their place";
		EXPECT_FALSE(dynamic_cast<CVeskMetaDataEntryOpenClosed*>(metaData->getEntry(1))->getValue());
	}

	// A room whose size was refused is written without cells.
	CVeskMetaDataEntryRoomMesh* room = new CVeskMetaDataEntryRoomMesh();
	room->setGridSize(0, 4);
	const std::vector<u8> payload = hxtest::writtenBytes([&](CVeskSerializer* w) { room->writeBinary(w); });
	room->drop();
	const std::vector<u8> expected = hxtest::writtenBytes([](CVeskSerializer* w) {
		w->writeInt(0);
		w->writeInt(0);
		w->writeInt(0);
		for (int i = 0; i < 21; ++i)
			w->writeString("");
		w->writeInt(0);
		w->writeString("");
		w->writeFloat(1.5f);
		w->writeVector(core::vector3df(0, 0, 0));
	});
	EXPECT_TRUE(payload == expected);
}

TEST_F(MetaData, RemovingClosesTheGapAndEveryEntryIsHeldOnce)
{
	CVeskMeshSceneNode* node = new CVeskMeshSceneNode(0, SceneManager, 1);
	IVeskMetaDataEntry* entries[3];
	for (int i = 0; i < 3; ++i)
	{
		entries[i] = node->createEntry(i == 1 ? EVMT_ROOM_MESH : EVMT_OPEN_CLOSED);
		node->addEntry(entries[i]);
		EXPECT_EQ(entries[i]->getReferenceCount(), 2);
	}
	EXPECT_EQ(node->createEntry(2), nullptr);
	node->addEntry(0);
	EXPECT_EQ(node->findEntryByType(EVMT_OPEN_CLOSED), entries[0]);
	EXPECT_EQ(node->findEntryByType(5), nullptr);

	node->removeEntry(entries[0]);
	EXPECT_EQ(entries[0]->getReferenceCount(), 1);
	ASSERT_EQ(node->getEntryCount(), 2);
	EXPECT_EQ(node->getEntry(0), entries[1]);
	EXPECT_EQ(node->getEntry(1), entries[2]);
	EXPECT_EQ(node->findEntryByType(EVMT_OPEN_CLOSED), entries[2]);
	node->removeEntry(entries[0]);
	node->removeEntry(0);
	EXPECT_EQ(node->getEntryCount(), 2);

	node->drop();
	for (IVeskMetaDataEntry* entry : entries)
	{
		EXPECT_EQ(entry->getReferenceCount(), 1) << "the node dropped what it held";
		entry->drop();
	}
}

TEST_F(MetaData, ClonedNodesGetTheirOwnCopiesOfTheEntries)
{
	video::ITexture* texture = Device->getVideoDriver()->addTexture(core::dimension2du(2, 2), "#room.png");
	CVeskMeshSceneNode* mesh = new CVeskMeshSceneNode(SceneManager->getRootSceneNode(), SceneManager, 1);
	CVeskDummyTransformationSceneNode* dummy = new CVeskDummyTransformationSceneNode(SceneManager->getRootSceneNode(), SceneManager, 2);
	for (IVeskMetaDataContainer* source : { static_cast<IVeskMetaDataContainer*>(mesh), static_cast<IVeskMetaDataContainer*>(dummy) })
	{
		CVeskMetaDataEntryRoomMesh* room = new CVeskMetaDataEntryRoomMesh();
		room->setGridSize(3, 2);
		room->setCell(2, 1, 5);
		room->setCellTexture(20, texture);
		room->setCellTexture(21, texture);
		room->setCellTexture(0, texture);
		room->setTexture(texture);
		room->setMode(2);
		room->setVector(core::vector3df(1, 2, 3));
		source->addEntry(room);
		room->drop();
		CVeskMetaDataEntryOpenClosed* door = new CVeskMetaDataEntryOpenClosed();
		door->setValue(false);
		source->addEntry(door);
		door->drop();
	}
	EXPECT_EQ(texture->getReferenceCount(), 1 + 2 * 2);

	for (scene::ISceneNode* source : { static_cast<scene::ISceneNode*>(mesh), static_cast<scene::ISceneNode*>(dummy) })
	{
		scene::ISceneNode* copy = source->clone();
		IVeskMetaDataContainer* from = metaDataOf(source);
		IVeskMetaDataContainer* to = metaDataOf(copy);
		ASSERT_EQ(to->getEntryCount(), 2);
		CVeskMetaDataEntryRoomMesh* room = dynamic_cast<CVeskMetaDataEntryRoomMesh*>(to->getEntry(0));
		ASSERT_NE(room, nullptr);
		EXPECT_NE(to->getEntry(0), from->getEntry(0));
		EXPECT_EQ(room->getCell(2, 1), 5);
		EXPECT_EQ(room->getCellTexture(20), texture);
		EXPECT_EQ(room->getCellTexture(0), nullptr);
		EXPECT_EQ(room->getTexture(), texture);
		EXPECT_EQ(room->getMode(), 2);
		EXPECT_EQ(room->getVector(), core::vector3df(1, 2, 3));
		const std::vector<u8> sourceBytes = hxtest::writtenBytes([&](CVeskSerializer* w) { from->writeMetaData(w); });
		EXPECT_TRUE(hxtest::writtenBytes([&](CVeskSerializer* w) { to->writeMetaData(w); }) == sourceBytes);

		room->setCell(2, 1, 9);
		dynamic_cast<CVeskMetaDataEntryOpenClosed*>(to->getEntry(1))->setValue(true);
		EXPECT_EQ(dynamic_cast<CVeskMetaDataEntryRoomMesh*>(from->getEntry(0))->getCell(2, 1), 5);
		EXPECT_FALSE(dynamic_cast<CVeskMetaDataEntryOpenClosed*>(from->getEntry(1))->getValue());

		// Copying replaces the whole list, and copying from itself changes nothing.
		to->copyFrom(to);
		EXPECT_EQ(to->getEntryCount(), 2);
		CVeskMeshSceneNode* empty = new CVeskMeshSceneNode(0, SceneManager, 3);
		to->copyFrom(empty);
		empty->drop();
		EXPECT_EQ(to->getEntryCount(), 0);
		copy->remove();
	}
	EXPECT_EQ(texture->getReferenceCount(), 1 + 2 * 2) << "the copies' textures were dropped with them";
	mesh->drop();
	dummy->drop();
}
