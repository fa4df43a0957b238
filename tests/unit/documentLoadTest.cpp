// Loading documents: the top-level records, the node tree, embedded files and scenes.
#include "document/CVeskDeserializer.h"
#include "document/CVeskDocument.h"
#include "document/CVeskSerializer.h"
#include "document/veskMaterialRecord.h"
#include "document/veskMeshRecords.h"
#include "document/veskTypeCodes.h"
#include "document/veskVersion.h"
#include "player/CVeskWarningAndErrorReceiver.h"
#include "scene/CVesk3DScene.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/CVeskPanoramaScene.h"
#include "scene/veskNodeFactory.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <gtest/gtest.h>

#include <functional>
#include <typeinfo>

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

void nodeRecord(CVeskSerializer* w, u32 code, s32 id, const char* name, const Fill& body,
	const core::vector3df& position = core::vector3df(0, 0, 0), bool visible = true, u32 culling = 1)
{
	chunk(w, 9, [&](CVeskSerializer* w) {
		w->writeUInt(code);
		w->writeInt(id);
		w->writeString(name);
		w->writeVector(position);
		w->writeVector(core::vector3df(0, 0, 0));
		w->writeVector(core::vector3df(1, 1, 1));
		w->writeBool(visible);
		w->writeUInt(culling);
		if (body)
			body(w);
	});
}

//! The payload a fresh node of that class writes.
std::vector<u8> payloadOf(scene::ISceneManager* sceneManager, u32 code, const std::function<void(scene::ISceneNode*)>& setUp = 0)
{
	scene::ISceneNode* node = createVeskSceneNode(code, sceneManager->getRootSceneNode(), sceneManager, -1, core::vector3df(), 0);
	EXPECT_NE(node, nullptr);
	if (!node)
		return std::vector<u8>();
	if (setUp)
		setUp(node);
	std::vector<u8> bytes = hxtest::writtenBytes([&](CVeskSerializer* w) { dynamic_cast<IVeskSerializationSupport*>(node)->writeBinary(w); });
	node->remove();
	node->drop();
	return bytes;
}

void payloadChunk(CVeskSerializer* w, const std::vector<u8>& payload)
{
	chunk(w, 10, [&](CVeskSerializer* w) { w->writeBytes(payload.data(), u32(payload.size())); });
}

void materialChunk(CVeskSerializer* w, video::SColor diffuse)
{
	chunk(w, 11, [&](CVeskSerializer* w) {
		video::SMaterial material;
		material.DiffuseColor = diffuse;
		writeMaterial(w, material);
	});
}

void rootRecord(CVeskSerializer* w, const video::SColorf& ambient, const Fill& children)
{
	nodeRecord(w, VESK_NODE_ROOT, -1, "root", [&](CVeskSerializer* w) {
		chunk(w, 10, [&](CVeskSerializer* w) { w->writeColorf(ambient); });
		if (children)
			children(w);
	});
}

//! A scene chunk of a type with a name chunk and a node tree.
void sceneChunk(CVeskSerializer* w, s32 type, const char* name, const Fill& tree)
{
	chunk(w, 2, [&](CVeskSerializer* w) {
		w->writeInt(type);
		chunk(w, 26, [&](CVeskSerializer* w) {
			w->writeString(name);
			w->writeColor(video::SColor(255, 1, 2, 3));
		});
		chunk(w, 8, tree);
	});
}

std::vector<u8> documentWith(const char* version, const Fill& inDocumentChunk, const Fill& after = 0)
{
	return hxtest::documentBytes(version, [&](CVeskSerializer* w) {
		chunk(w, 1, inDocumentChunk);
		if (after)
			after(w);
	});
}

class DocumentLoad : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		Scratch = Device->getSceneManager()->createNewSceneManager(false);
	}
	void TearDown() override
	{
		if (Document)
			Document->drop();
		if (Scratch)
			Scratch->drop();
		if (Device)
			Device->drop();
	}
	s32 load(const std::vector<u8>& bytes, const char* scriptOutputFolder = 0)
	{
		if (Document)
			Document->drop();
		return hxtest::loadDocument(Device, bytes, Document, scriptOutputFolder);
	}
	scene::ISceneNode* rootOf(s32 sceneIndex) const
	{
		return Document->getScene(sceneIndex)->getSceneManager()->getRootSceneNode();
	}
	CVeskDeserializer* readerOver(const std::vector<u8>& bytes, const char* version = "0650")
	{
		io::IReadFile* file = hxtest::createReadFileFromBytes(bytes, "archive");
		CVeskDeserializer* reader = new CVeskDeserializer(file, Device);
		file->drop();
		reader->setVersion(makeVeskVersion(version));
		return reader;
	}

	IrrlichtDevice* Device = 0;
	scene::ISceneManager* Scratch = 0;
	CVeskDocument* Document = 0;
};

scene::ISceneNode* childWithId(scene::ISceneNode* parent, s32 id)
{
	for (scene::ISceneNode* child : parent->getChildren())
		if (child->getID() == id)
			return child;
	return 0;
}

} // end anonymous namespace

TEST_F(DocumentLoad, SceneTypesAndTheStartIndex)
{
	struct Case { std::vector<s32> types; bool hasStart; s32 start; s32 scenes; s32 expectedStart; };
	const Case cases[] = {
		{ { 0, 7, 1 }, true, 1, 2, 1 },
		{ { 0, 1 }, true, 5, 2, 0 },
		{ { 0, 1 }, true, 2, 2, 0 },
		{ { 0, 1 }, true, -1, 2, -1 },
		{ { 0, 1 }, false, 0, 2, -1 },
		{ { 3 }, true, 0, 0, 0 },
	};
	for (const Case& c : cases)
	{
		const std::vector<u8> bytes = documentWith("0650", [&](CVeskSerializer* w) {
			for (s32 type : c.types)
				sceneChunk(w, type, "scene", [&](CVeskSerializer* w) { rootRecord(w, video::SColorf(0, 0, 0, 1), 0); });
			if (c.hasStart)
				chunk(w, 1004, [&](CVeskSerializer* w) { w->writeInt(c.start); });
		});
		ASSERT_EQ(load(bytes), 0);
		ASSERT_EQ(Document->getSceneCount(), c.scenes);
		EXPECT_EQ(Document->getStartSceneIndex(), c.expectedStart);
		EXPECT_EQ(Document->getStartScene() != 0, c.expectedStart >= 0 && c.scenes > 0);
		if (c.scenes == 2)
		{
			EXPECT_EQ(Document->getScene(0)->getSceneType(), 0);
			EXPECT_EQ(Document->getScene(1)->getSceneType(), 1);
			EXPECT_NE(Document->getScene(0)->getSceneManager(), Document->getScene(1)->getSceneManager());
		}
		EXPECT_STREQ(Document->getFileName().c_str(), "archive");
	}
}

TEST_F(DocumentLoad, HeaderVersionAndFirstChunkDecideTheCode)
{
	struct Case { const char* magic; const char* version; u16 firstTag; s32 code; };
	const Case cases[] = {
		{ "vesk", "0650", 1, 0 }, { "vesK", "0650", 1, 0 }, { "Vesk", "0650", 1, 2 }, { "vesq", "0650", 1, 2 },
		{ "vesk", "0651", 1, 1 }, { "vesk", "0660", 1, 1 }, { "vesk", "1000", 1, 1 }, { "vesk", "0649", 1, 0 },
		{ "vesk", "0599", 1, 0 }, { "vesk", "0650", 12, 2 },
	};
	for (const Case& c : cases)
	{
		std::vector<u8> bytes = hxtest::documentBytes(c.version, [&](CVeskSerializer* w) {
			chunk(w, c.firstTag, [&](CVeskSerializer* w) { chunk(w, 28, [](CVeskSerializer* w) { w->writeInt(0); w->writeString("x"); }); });
		});
		memcpy(bytes.data(), c.magic, 4);
		EXPECT_EQ(load(bytes), c.code) << c.magic << " " << c.version;
		EXPECT_STREQ(Document->getScriptText().c_str(), c.code == 0 ? "x" : "") << c.magic << " " << c.version;
	}
	CVeskDocument* document = new CVeskDocument(Device);
	EXPECT_EQ(document->load(0), 3);
	document->drop();
}

TEST_F(DocumentLoad, RootRecordSetsAmbientNameVisibilityAndCullingButNotPosition)
{
	struct Case { const char* version; f32 expected; };
	const Case cases[] = { { "0650", 0.4f }, { "0600", 0.4f }, { "0550", 0.1f }, { "0599", 0.1f } };
	for (const Case& c : cases)
	{
		const std::vector<u8> bytes = documentWith(c.version, [&](CVeskSerializer* w) {
			sceneChunk(w, 0, "scene", [&](CVeskSerializer* w) {
				nodeRecord(w, VESK_NODE_ROOT, -1, "the root", [&](CVeskSerializer* w) {
					chunk(w, 10, [&](CVeskSerializer* w) { w->writeColorf(video::SColorf(0.4f, 0.4f, 0.4f, 1.f)); });
				}, core::vector3df(5, 6, 7), false, 0);
			});
		});
		ASSERT_EQ(load(bytes), 0);
		scene::ISceneManager* sceneManager = Document->getScene(0)->getSceneManager();
		const video::SColorf ambient = sceneManager->getAmbientLight();
		EXPECT_FLOAT_EQ(ambient.r, c.expected) << c.version;
		EXPECT_FLOAT_EQ(ambient.b, c.expected) << c.version;
		EXPECT_FLOAT_EQ(ambient.a, 1.f) << c.version;
		scene::ISceneNode* root = sceneManager->getRootSceneNode();
		EXPECT_STREQ(root->getName(), "the root");
		EXPECT_FALSE(root->isVisible());
		EXPECT_EQ(root->getAutomaticCulling(), 0u);
		EXPECT_EQ(root->getPosition(), core::vector3df(0, 0, 0));
	}
}

TEST_F(DocumentLoad, RecordOrderDecidesWhereChildrenAndMaterialsGo)
{
	const std::vector<u8> meshPayload = payloadOf(Scratch, VESK_NODE_MESH, [](scene::ISceneNode* node) {
		scene::SMesh* mesh = new scene::SMesh();
		for (int i = 0; i < 2; ++i)
		{
			scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
			buffer->Vertices.push_back(video::S3DVertex());
			mesh->addMeshBuffer(buffer);
			buffer->drop();
		}
		static_cast<CVeskMeshSceneNode*>(node)->setOwnMesh(mesh);
		mesh->drop();
	});
	const std::vector<u8> dummyPayload = payloadOf(Scratch, VESK_NODE_DUMMY_TRANSFORMATION);
	const video::SColor early(255, 1, 1, 1), late(255, 2, 2, 2);
	const std::vector<u8> bytes = documentWith("0650", [&](CVeskSerializer* w) {
		sceneChunk(w, 0, "scene", [&](CVeskSerializer* w) {
			rootRecord(w, video::SColorf(0, 0, 0, 1), [&](CVeskSerializer* w) {
				nodeRecord(w, VESK_NODE_MESH, 1, "parent", [&](CVeskSerializer* w) {
					nodeRecord(w, VESK_NODE_DUMMY_TRANSFORMATION, 2, "early child", [&](CVeskSerializer* w) { payloadChunk(w, dummyPayload); });
					materialChunk(w, early);
					payloadChunk(w, meshPayload);
					materialChunk(w, late);
					materialChunk(w, late); // one more than the node has: read and ignored
					nodeRecord(w, VESK_NODE_DUMMY_TRANSFORMATION, 3, "late child", [&](CVeskSerializer* w) { payloadChunk(w, dummyPayload); });
				});
				nodeRecord(w, makeVeskTypeCode('z', 'z', 'z', 'z'), 4, "unknown", [&](CVeskSerializer* w) {
					payloadChunk(w, dummyPayload);
					nodeRecord(w, VESK_NODE_DUMMY_TRANSFORMATION, 5, "orphan", [&](CVeskSerializer* w) { payloadChunk(w, dummyPayload); });
				});
			});
		});
	});
	ASSERT_EQ(load(bytes), 0);
	scene::ISceneNode* root = rootOf(0);
	scene::ISceneNode* parent = childWithId(root, 1);
	ASSERT_NE(parent, nullptr);
	EXPECT_NE(childWithId(root, 2), nullptr) << "a child before its parent's node goes to the grandparent";
	EXPECT_NE(childWithId(parent, 3), nullptr);
	EXPECT_EQ(childWithId(root, 4), nullptr);
	EXPECT_NE(childWithId(root, 5), nullptr) << "children of an unknown class go to the record's parent";
	ASSERT_EQ(parent->getMaterialCount(), 2u);
	EXPECT_NE(parent->getMaterial(0).DiffuseColor, early) << "a material before the node is lost";
	EXPECT_EQ(parent->getMaterial(1).DiffuseColor, late) << "but it counts";
}

TEST_F(DocumentLoad, DeepNestingIsBoundedAndTheRestStillLoads)
{
	const std::vector<u8> dummyPayload = payloadOf(Scratch, VESK_NODE_DUMMY_TRANSFORMATION);
	std::function<void(CVeskSerializer*, int)> nest = [&](CVeskSerializer* w, int level) {
		nodeRecord(w, VESK_NODE_DUMMY_TRANSFORMATION, level, "deep", [&](CVeskSerializer* w) {
			payloadChunk(w, dummyPayload);
			if (level < 1000) // far past the reader's limit, within what the writer's recursion can take
				nest(w, level + 1);
		});
	};
	const std::vector<u8> bytes = documentWith("0650", [&](CVeskSerializer* w) {
		sceneChunk(w, 0, "deep", [&](CVeskSerializer* w) { rootRecord(w, video::SColorf(0, 0, 0, 1), [&](CVeskSerializer* w) { nest(w, 1); }); });
		chunk(w, 1004, [](CVeskSerializer* w) { w->writeInt(0); });
		chunk(w, 28, [](CVeskSerializer* w) { w->writeInt(0); w->writeString("after"); });
	});
	ASSERT_EQ(load(bytes), 0);
	int depth = 0;
	for (scene::ISceneNode* node = rootOf(0); !node->getChildren().empty(); node = *node->getChildren().begin())
		++depth;
	EXPECT_GT(depth, 10);
	EXPECT_LE(depth, 64);
	EXPECT_STREQ(Document->getScriptText().c_str(), "after");
	EXPECT_EQ(Document->getStartSceneIndex(), 0);
}

TEST_F(DocumentLoad, DamagedChunkSizesNeverCrashAndStayInsideTheFile)
{
	const std::vector<u8> good = documentWith("0650", [&](CVeskSerializer* w) {
		sceneChunk(w, 0, "scene", [&](CVeskSerializer* w) { rootRecord(w, video::SColorf(0, 0, 0, 1), 0); });
		chunk(w, 28, [](CVeskSerializer* w) { w->writeInt(0); w->writeString("script"); });
	});
	// Every size field of the document set to a huge value, one at a time, and every cut.
	for (size_t at = 12; at + 6 <= good.size(); ++at)
	{
		std::vector<u8> bad(good);
		bad[at + 2] = bad[at + 3] = bad[at + 4] = 0xFF;
		bad[at + 5] = 0x7F;
		load(bad);
		load(std::vector<u8>(good.begin(), good.begin() + at));
	}
	SUCCEED();
}

TEST_F(DocumentLoad, MeshBufferCountsAreClampedToTheChunkAndTheFile)
{
	struct Case { u32 vertexChunkSize; u32 indexChunkSize; u32 vertices; u32 indices; };
	// 3 vertices and 6 indices are stored; the sizes claim more.
	const Case cases[] = {
		{ 3 * 36, 12, 3, 6 },
		{ 0xFFFFFFF0u, 12, 3, 0 },       // the vertex chunk swallows the rest of the file
		{ 3 * 36 + 35, 12, 3, 6 },       // a remainder is ignored
		{ 3 * 36, 0xFFFFFFFFu, 3, 6 },
	};
	for (const Case& c : cases)
	{
		const std::vector<u8> bytes = hxtest::writtenBytes([&](CVeskSerializer* w) {
			w->writeUShort(15);
			w->writeUInt(0x7FFFFFFF);
			w->writeBox(core::aabbox3df(0, 0, 0, 1, 1, 1));
			w->writeUShort(17);
			w->writeUInt(c.vertexChunkSize);
			for (int i = 0; i < 3; ++i)
			{
				w->writeVector(core::vector3df(f32(i), 0, 0));
				w->writeVector(core::vector3df(0, 1, 0));
				w->writeColor(video::SColor(255, 128, 64, 32));
				w->writeFloat(0);
				w->writeFloat(0);
			}
			if (c.vertexChunkSize == 3 * 36 + 35)
				w->writeBytes(std::vector<u8>(35, 0).data(), 35);
			w->writeUShort(16);
			w->writeUInt(c.indexChunkSize);
			const u16 indices[6] = { 0, 1, 2, 2, 1, 0 };
			for (u16 i : indices)
				w->writeUShort(i);
		});
		CVeskDeserializer* reader = readerOver(bytes);
		reader->readChunkHeader();
		scene::IMeshBuffer* buffer = readMeshBuffer(reader);
		ASSERT_NE(buffer, nullptr);
		EXPECT_EQ(buffer->getVertexCount(), c.vertices) << c.vertexChunkSize;
		EXPECT_EQ(buffer->getIndexCount(), c.indices) << c.vertexChunkSize;
		for (u32 i = 0; i < buffer->getIndexCount(); ++i)
			EXPECT_LT(buffer->getIndices()[i], buffer->getVertexCount());
		buffer->drop();
		reader->drop();
	}
}

TEST_F(DocumentLoad, OldDocumentsQuarterVertexColoursAndIndicesNameRealVertices)
{
	struct Case { const char* version; u16 vertexTag; u32 vertexBytes; video::SColor expected; };
	const Case cases[] = {
		{ "0550", 17, 36, video::SColor(255, 32, 16, 8) },
		{ "0550", 18, 44, video::SColor(255, 32, 16, 8) },
		{ "0599", 19, 60, video::SColor(255, 32, 16, 8) },
		{ "0650", 17, 36, video::SColor(255, 128, 64, 32) },
	};
	for (const Case& c : cases)
	{
		const std::vector<u8> bytes = hxtest::writtenBytes([&](CVeskSerializer* w) {
			chunk(w, 15, [&](CVeskSerializer* w) {
				w->writeBox(core::aabbox3df(0, 0, 0, 1, 1, 1));
				chunk(w, c.vertexTag, [&](CVeskSerializer* w) {
					for (int i = 0; i < 2; ++i)
					{
						w->writeVector(core::vector3df(f32(i), 0, 0));
						w->writeVector(core::vector3df(0, 1, 0));
						w->writeColor(video::SColor(255, 128, 64, 32));
						for (u32 rest = 28; rest < c.vertexBytes; rest += 4)
							w->writeFloat(0.5f);
					}
				});
				// Four indices, one past the vertices: whole triangles of real vertices remain.
				chunk(w, 16, [](CVeskSerializer* w) { w->writeUShort(0); w->writeUShort(1); w->writeUShort(9); w->writeUShort(1); });
			});
		});
		CVeskDeserializer* reader = readerOver(bytes, c.version);
		reader->readChunkHeader();
		scene::IMeshBuffer* buffer = readMeshBuffer(reader);
		ASSERT_NE(buffer, nullptr);
		ASSERT_EQ(buffer->getVertexCount(), 2u);
		EXPECT_EQ(buffer->getVertexType(), c.vertexTag == 17 ? video::EVT_STANDARD : c.vertexTag == 18 ? video::EVT_2TCOORDS : video::EVT_TANGENTS);
		EXPECT_EQ(buffer->getPosition(1), core::vector3df(1, 0, 0));
		const video::S3DVertex* v = static_cast<const video::S3DVertex*>(buffer->getVertices());
		EXPECT_EQ(v->Color, c.expected) << c.version << " " << c.vertexTag;
		ASSERT_EQ(buffer->getIndexCount(), 3u);
		EXPECT_LT(buffer->getIndices()[2], 2);
		buffer->drop();
		reader->drop();
	}
}

TEST_F(DocumentLoad, SkinnedMeshJointsKeepOnlyParentsReadBeforeAndCountsAreBounded)
{
	auto joint = [](CVeskSerializer* w, const char* name, s32 parent, s32 keyCount) {
		chunk(w, 33, [&](CVeskSerializer* w) {
			w->writeString(name);
			for (int m = 0; m < 2; ++m)
				for (int i = 0; i < 16; ++i)
					w->writeFloat(i % 5 == 0 ? 1.f : 0.f);
			w->writeInt(parent);
			w->writeInt(keyCount); // attached buffers
			w->writeInt(keyCount); // position keys
			w->writeInt(keyCount); // scale keys
			w->writeInt(keyCount); // rotation keys
			w->writeInt(keyCount); // weights
		});
	};
	const std::vector<u8> bytes = hxtest::writtenBytes([&](CVeskSerializer* w) {
		w->writeInt(0);
		w->writeFloat(0.02f);
		joint(w, "a", -1, 0);
		joint(w, "b", 0, 0);
		joint(w, "c", 5, 0);
		joint(w, "d", 3, 0);
		joint(w, "huge", 1, 0x7FFFFFFF);
		joint(w, "negative", 1, -5);
	});
	CVeskDeserializer* reader = readerOver(bytes);
	scene::ISkinnedMesh* mesh = readSkinnedMesh(reader, u32(bytes.size()));
	ASSERT_NE(mesh, nullptr);
	const core::array<scene::ISkinnedMesh::SJoint*>& joints = mesh->getAllJoints();
	ASSERT_EQ(joints.size(), 6u);
	auto childCount = [&](u32 j) { return joints[j]->Children.size(); };
	EXPECT_EQ(childCount(0), 1u);
	EXPECT_EQ(joints[0]->Children[0], joints[1]);
	EXPECT_EQ(childCount(1), 2u);
	EXPECT_EQ(childCount(2), 0u);
	EXPECT_EQ(childCount(3), 0u);
	for (u32 j = 0; j < joints.size(); ++j)
	{
		EXPECT_EQ(joints[j]->PositionKeys.size(), 0u);
		EXPECT_EQ(joints[j]->Weights.size(), 0u);
	}
	mesh->drop();
	reader->drop();
}

TEST_F(DocumentLoad, TextureReferencesFallBackFromDrivePathsToTheRootedPart)
{
	hxtest::TempFolder folder;
	video::IVideoDriver* driver = Device->getVideoDriver();
	ASSERT_TRUE(hxtest::writeWholeFile(folder.file("a.png"), hxtest::pngBytes(driver, 2, 2)));
	struct Case { std::string stored; bool found; };
	const Case cases[] = {
		{ "c:/" + folder.file("a.png"), true },
		{ folder.file("a.png"), true },
		{ "c:/" + folder.file("missing.png"), false },
		{ "", false },
	};
	for (const Case& c : cases)
	{
		const std::vector<u8> bytes = hxtest::writtenBytes([&](CVeskSerializer* w) {
			video::SMaterial material;
			writeMaterial(w, material);
		});
		// Put the stored name into layer 0 by writing the record by hand.
		const std::vector<u8> record = hxtest::writtenBytes([&](CVeskSerializer* w) {
			w->writeBytes(bytes.data(), 4 + 16 + 12 + 4 + 1 + 4);
			w->writeString(c.stored.c_str());
			w->writeBytes(bytes.data() + 41 + 4, u32(bytes.size() - 41 - 4));
		});
		CVeskDeserializer* reader = readerOver(record);
		const video::SMaterial material = readMaterial(reader);
		EXPECT_EQ(material.TextureLayer[0].Texture != 0, c.found) << c.stored;
		EXPECT_EQ(reader->getPosition(), reader->getFileSize()) << c.stored;
		reader->drop();
	}
}

TEST_F(DocumentLoad, EmbeddedTexturesPreferTheDiskUnlessTheNameHoldsAHash)
{
	// The null driver's textures carry no pixels, so the embedded bytes are made undecodable:
	// a texture then exists only when it came from the disk file.
	hxtest::TempFolder folder;
	video::IVideoDriver* driver = Device->getVideoDriver();
	const std::string plain = folder.file("plain.png");
	const std::string hashed = folder.file("with#hash.png");
	ASSERT_TRUE(hxtest::writeWholeFile(plain, hxtest::pngBytes(driver, 2, 2)));
	ASSERT_TRUE(hxtest::writeWholeFile(hashed, hxtest::pngBytes(driver, 2, 2)));
	const std::vector<u8> valid = hxtest::pngBytes(driver, 4, 4);
	const std::vector<u8> garbage(40, 1);
	auto entry = [](CVeskSerializer* w, u32 kind, const std::string& name, const std::vector<u8>& data) {
		chunk(w, 13, [&](CVeskSerializer* w) {
			w->writeUInt(kind);
			w->writeString(name.c_str());
			w->writeUInt(u32(data.size()));
			w->writeBytes(data.data(), u32(data.size()));
		});
	};
	const std::vector<u8> bytes = documentWith("0650", 0, [&](CVeskSerializer* w) {
		chunk(w, 12, [&](CVeskSerializer* w) {
			entry(w, 1, plain, garbage);
			entry(w, 1, hashed, garbage);
			entry(w, 1, "#embedded.png", valid);
			entry(w, 1, "#second.png", garbage);
			entry(w, 1, "#second.png", valid);
			entry(w, 3, "#texture and sound.png", valid);
			entry(w, 2, "#sound only.png", valid);
		});
	});
	ASSERT_EQ(load(bytes), 0);
	struct Case { std::string name; bool installed; };
	const Case cases[] = {
		{ plain, true }, { hashed, false }, { "#embedded.png", true },
		{ "#second.png", true }, // the first entry failed to decode, so the second one is tried
		{ "#texture and sound.png", true }, { "#sound only.png", false },
	};
	for (const Case& c : cases)
		EXPECT_EQ(driver->findTexture(c.name.c_str()) != 0, c.installed) << c.name;
	EXPECT_EQ(Document->getEmbeddedFileCount(), 0u) << "the player keeps no second copy of what it installed";

	Document->drop();
	ASSERT_EQ(hxtest::loadDocument(Device, bytes, Document, 0, true), 0);
	ASSERT_EQ(Document->getEmbeddedFileCount(), 7u);
	EXPECT_EQ(Document->getEmbeddedFile(1).Data, garbage);
	EXPECT_EQ(Document->getEmbeddedFile(4).Data, valid);
	EXPECT_EQ(Document->getEmbeddedFile(6).KindFlags, 2u);
}

TEST_F(DocumentLoad, EmbeddedScriptsAreQueuedAndWrittenOnlyWhenNew)
{
	hxtest::TempFolder folder;
	ASSERT_TRUE(hxtest::writeWholeFile(folder.file("kept.js"), { 'o', 'l', 'd' }));
	const std::vector<u8> bytes = documentWith("0650", 0, [&](CVeskSerializer* w) {
		chunk(w, 12, [&](CVeskSerializer* w) {
			const char* names[2] = { "behavior_x", "kept" };
			for (const char* name : names)
				chunk(w, 13, [&](CVeskSerializer* w) {
					w->writeUInt(8);
					w->writeString(name);
					w->writeUInt(7);
					w->writeBytes("print()", 7);
				});
		});
	});
	Document = new CVeskDocument(Device);
	CVeskWarningAndErrorReceiver* receiver = new CVeskWarningAndErrorReceiver();
	Document->setWarningReceiver(receiver);
	io::IReadFile* file = hxtest::createReadFileFromBytes(bytes);
	EXPECT_EQ(Document->load(file, (folder.path() + "/").c_str()), 0);
	file->drop();
	Document->setWarningReceiver(0);
	ASSERT_EQ(receiver->getEntryCount(), 2);
	EXPECT_EQ(receiver->getEntry(0)->Kind, 2);
	EXPECT_EQ(receiver->getEntry(0)->Code, 0);
	EXPECT_STREQ(receiver->getEntry(0)->Name.c_str(), "behavior_x");
	EXPECT_STREQ(receiver->getEntry(0)->Text.c_str(), "print()");
	EXPECT_EQ(receiver->getEntry(2), nullptr);
	EXPECT_EQ(receiver->getEntry(-1), nullptr);
	receiver->drop();
	const std::vector<u8> written = hxtest::readWholeFile(folder.file("behavior_x.js"));
	EXPECT_EQ(std::string(written.begin(), written.end()), "print()");
	const std::vector<u8> kept = hxtest::readWholeFile(folder.file("kept.js"));
	EXPECT_EQ(std::string(kept.begin(), kept.end()), "old");
}

TEST_F(DocumentLoad, EmbeddedFilesThatDoNotFollowTheDocumentChunkAreNotRead)
{
	const std::vector<u8> png = hxtest::pngBytes(Device->getVideoDriver(), 2, 2);
	const std::vector<u8> bytes = documentWith("0650", 0, [&](CVeskSerializer* w) {
		chunk(w, 23, [](CVeskSerializer* w) { w->writeInt(0); });
		chunk(w, 12, [&](CVeskSerializer* w) {
			chunk(w, 13, [&](CVeskSerializer* w) { w->writeUInt(1); w->writeString("#late.png"); w->writeUInt(u32(png.size())); w->writeBytes(png.data(), u32(png.size())); });
		});
	});
	ASSERT_EQ(load(bytes), 0);
	EXPECT_EQ(Device->getVideoDriver()->findTexture("#late.png"), nullptr);
}

TEST_F(DocumentLoad, SmallMeshesGetPlainSelectorsLargerOnesOctrees)
{
	struct Case { u32 triangles; bool collision; bool octree; };
	const Case cases[] = { { 64, true, false }, { 65, true, true }, { 1, true, false }, { 200, false, false } };
	for (const Case& c : cases)
	{
		CVesk3DScene* scene = new CVesk3DScene();
		scene::ISceneManager* sceneManager = Device->getSceneManager()->createNewSceneManager(false);
		scene->setSceneManager(sceneManager);
		sceneManager->drop();
		CVeskMeshSceneNode* node = new CVeskMeshSceneNode(sceneManager->getRootSceneNode(), sceneManager, 1);
		scene::SMesh* mesh = new scene::SMesh();
		scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
		for (u32 t = 0; t < c.triangles; ++t)
			for (u32 k = 0; k < 3; ++k)
			{
				buffer->Vertices.push_back(video::S3DVertex(f32(t), f32(k), 0, 0, 0, 1, video::SColor(255, 255, 255, 255), 0, 0));
				buffer->Indices.push_back(u16(t * 3 + k));
			}
		buffer->recalculateBoundingBox();
		mesh->addMeshBuffer(buffer);
		buffer->drop();
		mesh->recalculateBoundingBox();
		node->setOwnMesh(mesh);
		mesh->drop();
		node->setCollision(c.collision);
		node->drop();

		scene::IMetaTriangleSelector* world = scene->createWorldCollisionSelector();
		ASSERT_NE(world, nullptr);
		ASSERT_EQ(world->getSelectorCount(), c.collision ? 1u : 0u) << c.triangles;
		if (c.collision)
		{
			EXPECT_EQ(world->getTriangleCount(), s32(c.triangles));
			const std::string kind = typeid(*world->getSelector(0)).name();
			EXPECT_EQ(kind.find("Octree") != std::string::npos, c.octree) << c.triangles << " " << kind;
		}
		world->drop();
		scene->drop();
	}
	CVesk3DScene* empty = new CVesk3DScene();
	EXPECT_EQ(empty->createWorldCollisionSelector(), nullptr);
	EXPECT_EQ(empty->getBackgroundColor(), video::SColor(0));
	empty->drop();
}

TEST_F(DocumentLoad, ReloadingRebuildsOnlyThatSceneAndRefusesTheRest)
{
	const std::vector<u8> dummyPayload = payloadOf(Scratch, VESK_NODE_DUMMY_TRANSFORMATION);
	const std::vector<u8> bytes = documentWith("0650", [&](CVeskSerializer* w) {
		for (s32 type : { 0, 5, 1, 0 })
			sceneChunk(w, type, "scene", [&](CVeskSerializer* w) {
				rootRecord(w, video::SColorf(0, 0, 0, 1), [&](CVeskSerializer* w) {
					nodeRecord(w, VESK_NODE_DUMMY_TRANSFORMATION, 7, "node", [&](CVeskSerializer* w) { payloadChunk(w, dummyPayload); });
				});
			});
	});
	ASSERT_EQ(load(bytes), 0);
	ASSERT_EQ(Document->getSceneCount(), 3);
	CVeskScene* first = Document->getScene(0);
	CVeskScene* panorama = Document->getScene(1);
	CVeskScene* last = Document->getScene(2);

	// The node of the last scene is changed, the scene reloaded: the node is back as stored.
	scene::ISceneManager* before = last->getSceneManager();
	childWithId(before->getRootSceneNode(), 7)->setName("changed");
	io::IReadFile* file = hxtest::createReadFileFromBytes(bytes);
	scene::ISceneManager* untouched = first->getSceneManager();
	ASSERT_EQ(Document->reloadSceneFromFile(file, last), 0);
	EXPECT_NE(last->getSceneManager(), before);
	// Scene chunk 3 of the file (type 0, the fourth counting the skipped type 5) is read
	// for list index 2? No: chunks are counted with the skipped one, so index 2 is the
	// panorama's chunk, whose type differs, and the scene stays empty.
	EXPECT_TRUE(last->getSceneManager()->getRootSceneNode()->getChildren().empty());
	EXPECT_EQ(first->getSceneManager(), untouched);

	ASSERT_EQ(Document->reloadSceneFromFile(file, first), 0);
	EXPECT_NE(first->getSceneManager(), untouched);
	scene::ISceneNode* node = childWithId(first->getSceneManager()->getRootSceneNode(), 7);
	ASSERT_NE(node, nullptr);
	EXPECT_STREQ(node->getName(), "node");

	scene::ISceneManager* panoramaManager = panorama->getSceneManager();
	EXPECT_EQ(Document->reloadSceneFromFile(file, panorama), 4);
	EXPECT_EQ(panorama->getSceneManager(), panoramaManager);
	CVesk3DScene* stranger = new CVesk3DScene();
	EXPECT_EQ(Document->reloadSceneFromFile(file, stranger), 4);
	stranger->drop();
	EXPECT_EQ(Document->reloadSceneFromFile(file, 0), 4);
	EXPECT_EQ(Document->reloadSceneFromFile(0, first), 3);
	file->drop();

	std::vector<u8> damaged(bytes);
	damaged[0] = 'x';
	io::IReadFile* bad = hxtest::createReadFileFromBytes(damaged);
	scene::ISceneManager* kept = first->getSceneManager();
	EXPECT_EQ(Document->reloadSceneFromFile(bad, first), 2);
	EXPECT_EQ(first->getSceneManager(), kept) << "a refused file leaves the scene as it was";
	bad->drop();
}

TEST_F(DocumentLoad, PublishingSettingsKeepDefaultsForMissingRecordsAndOlderLayouts)
{
	struct Case { const char* version; bool withLoading; s32 loadingFlags; s32 a8; s32 e7; };
	const Case cases[] = { { "0650", false, 2, 70, 80 }, { "0650", true, 7, 70, 80 }, { "0649", false, 2, 60, 60 } };
	for (const Case& c : cases)
	{
		const std::vector<u8> bytes = documentWith(c.version, [&](CVeskSerializer* w) {
			chunk(w, 20, [&](CVeskSerializer* w) {
				w->writeInt(3);
				w->writeString("Title");
				chunk(w, 21, [&](CVeskSerializer* w) {
					for (s32 v : { 1, 2, 3, 4, 5, 6, 8 })
						w->writeInt(v);
					for (int b = 0; b < 4; ++b)
						w->writeBool(b == 1);
					w->writeString("text");
					if (std::string(c.version) == "0650")
						w->writeInt(70);
				});
				chunk(w, 36, [&](CVeskSerializer* w) {
					for (s32 v : { 1, 2, 3, 4, 5, 6, 4 })
						w->writeInt(v);
					for (int b = 0; b < 4; ++b)
						w->writeBool(false);
					if (std::string(c.version) == "0650")
						w->writeInt(80);
				});
				if (c.withLoading)
					chunk(w, 37, [&](CVeskSerializer* w) {
						w->writeInt(7);
						w->writeInt(0);
						w->writeColor(video::SColor(255, 1, 2, 3));
						w->writeString("wait");
						w->writeString("#logo.jpg");
					});
			});
		});
		ASSERT_EQ(load(bytes), 0);
		const SPublishingSettings& s = Document->getSettings();
		EXPECT_STREQ(s.applicationTitle.c_str(), "Title");
		EXPECT_EQ(s.a6, 8);
		EXPECT_TRUE(s.b1);
		EXPECT_STREQ(s.a7.c_str(), "text");
		EXPECT_EQ(s.a8, c.a8) << c.version;
		EXPECT_EQ(s.e7, c.e7) << c.version;
		EXPECT_TRUE(s.physicsEnabled());
		EXPECT_EQ(s.loadingFlags, c.loadingFlags);
		EXPECT_EQ(s.showFrameRate(), c.withLoading);
		EXPECT_EQ(s.c0, 800);
		EXPECT_STREQ(s.applicationVersion.c_str(), "1.0");
		EXPECT_EQ(s.applicationId.find("com.helixpane.app"), 0);
	}
}
