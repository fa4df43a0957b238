// The basic node classes: payloads, attributes, materials, camera aspect, light radius,
// billboard size and the dummy node's matrix.
#include "document/CMemoryWriteFile.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskMeshRecords.h"
#include "document/veskTypeCodes.h"
#include "document/veskVersion.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"
#include "scene/CVeskBillboardSceneNode.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskDummyTransformationSceneNode.h"
#include "scene/CVeskLightSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/CVeskSkyBoxSceneNode.h"
#include "scene/veskNodeFactory.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace irr;

namespace
{

const u16 PAYLOAD_CHUNK = 10;

class BasicNodes : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		SceneManager = createVeskSceneManager(Device->getSceneManager());
		ASSERT_NE(SceneManager, nullptr);
		Attributes = Device->getFileSystem()->createEmptyAttributes(Device->getVideoDriver());
	}

	void TearDown() override
	{
		if (Attributes)
			Attributes->drop();
		if (SceneManager)
			SceneManager->drop();
		if (Device)
			Device->drop();
	}

	template <typename T> T* make(u32 typeCode)
	{
		scene::ISceneNode* node = createVeskSceneNode(typeCode, SceneManager->getRootSceneNode(), SceneManager, 3,
			core::vector3df(0, 0, 0), 0);
		T* typed = dynamic_cast<T*>(node);
		EXPECT_NE(typed, nullptr);
		return typed;
	}

	//! The node's payload, framed as the document frames it.
	static std::vector<u8> written(const std::function<void(CVeskSerializer*)>& fill)
	{
		CMemoryWriteFile* file = new CMemoryWriteFile("payload");
		CVeskSerializer* writer = new CVeskSerializer(file);
		writer->beginChunk(PAYLOAD_CHUNK);
		fill(writer);
		writer->endChunk();
		writer->drop();
		std::vector<u8> bytes = file->getData();
		file->drop();
		return bytes;
	}

	static std::vector<u8> payloadOf(IVeskSerializationSupport* node)
	{
		return written([node](CVeskSerializer* writer) { node->writeBinary(writer); });
	}

	//! Reads a framed payload into node; answers whether exactly the payload was read.
	bool read(IVeskSerializationSupport* node, const std::vector<u8>& bytes)
	{
		io::IReadFile* file = hxtest::createReadFileFromBytes(bytes);
		CVeskDeserializer* reader = new CVeskDeserializer(file, Device);
		file->drop();
		reader->setVersion(VESK_CURRENT_VERSION);
		reader->readChunkHeader();
		const long end = reader->getChunkEnd();
		node->readBinary(reader);
		const bool exact = reader->getPosition() == end;
		reader->drop();
		return exact;
	}

	IrrlichtDevice* Device = nullptr;
	scene::ISceneManager* SceneManager = nullptr;
	io::IAttributes* Attributes = nullptr;
};

scene::SMeshBuffer* createTriangleBuffer(video::E_MATERIAL_TYPE type, u32 triangles)
{
	scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
	for (u32 t = 0; t < triangles; ++t)
		for (u32 v = 0; v < 3; ++v)
		{
			buffer->Vertices.push_back(video::S3DVertex(f32(v), f32(t), 0, 0, 0, -1, video::SColor(0xFF808080), 0, 0));
			buffer->Indices.push_back(u16(buffer->Vertices.size() - 1));
		}
	buffer->Material.MaterialType = type;
	buffer->recalculateBoundingBox();
	return buffer;
}

scene::SMesh* createTwoBufferMesh()
{
	scene::SMesh* mesh = new scene::SMesh();
	scene::SMeshBuffer* solid = createTriangleBuffer(video::EMT_SOLID, 1);
	scene::SMeshBuffer* transparent = createTriangleBuffer(video::EMT_TRANSPARENT_ADD_COLOR, 2);
	mesh->addMeshBuffer(solid);
	mesh->addMeshBuffer(transparent);
	solid->drop();
	transparent->drop();
	mesh->recalculateBoundingBox();
	return mesh;
}

} // end anonymous namespace

TEST_F(BasicNodes, FactoryMakesTheSixClassesDetachedAndNothingElse)
{
	const u32 codes[] = { VESK_NODE_MESH, VESK_NODE_CAMERA, VESK_NODE_LIGHT, VESK_NODE_DUMMY_TRANSFORMATION,
		VESK_NODE_BILLBOARD, VESK_NODE_SKY_BOX };
	for (u32 code : codes)
	{
		scene::ISceneNode* node = createVeskSceneNode(code, SceneManager->getRootSceneNode(), SceneManager, 12,
			core::vector3df(1, 2, 3), 0);
		ASSERT_NE(node, nullptr) << code;
		EXPECT_EQ(u32(node->getType()), code);
		EXPECT_EQ(node->getID(), 12);
		EXPECT_EQ(node->getParent(), nullptr);
		EXPECT_EQ(node->getReferenceCount(), 1);
		EXPECT_NE(dynamic_cast<IVeskSerializationSupport*>(node), nullptr);
		node->drop();
	}
	EXPECT_EQ(createVeskSceneNode(VESK_NODE_ANIMATED_MESH, 0, SceneManager, 1, core::vector3df(), 0), nullptr);
	EXPECT_EQ(createVeskSceneNode(VESK_NODE_ROOT, 0, SceneManager, 1, core::vector3df(), 0), nullptr);
}

TEST_F(BasicNodes, EveryPayloadIsReadBackAndWrittenAgainByteForByte)
{
	struct SCase
	{
		u32 Code;
		std::function<void(scene::ISceneNode*)> Change;
	};
	const SCase cases[] = {
		{ VESK_NODE_MESH, [](scene::ISceneNode* n) {
			CVeskMeshSceneNode* mesh = static_cast<CVeskMeshSceneNode*>(n);
			scene::SMesh* own = createTwoBufferMesh();
			mesh->setOwnMesh(own);
			own->drop();
			mesh->setReadOnlyMaterials(true);
			mesh->setCollision(false);
			mesh->setReceivesNoShadows(false);
		} },
		{ VESK_NODE_CAMERA, [](scene::ISceneNode* n) {
			CVeskCameraSceneNode* camera = static_cast<CVeskCameraSceneNode*>(n);
			camera->setTarget(core::vector3df(1, 2, 3));
			camera->setUpVector(core::vector3df(0, 0, 1));
			camera->setFOV(0.9f);
			camera->setAspectRatio(1.5f);
			camera->setNearValue(0.5f);
			camera->setFarValue(500.f);
			camera->setActive(true);
		} },
		{ VESK_NODE_LIGHT, [](scene::ISceneNode* n) {
			CVeskLightSceneNode* light = static_cast<CVeskLightSceneNode*>(n);
			light->setLightType(video::ELT_SPOT);
			light->getLightData().DiffuseColor = video::SColorf(0.1f, 0.2f, 0.3f, 0.4f);
			light->getLightData().SpecularColor = video::SColorf(0.5f, 0.6f, 0.7f, 0.8f);
			light->enableCastShadow(false);
			light->setDirection(core::vector3df(0, -1, 0));
			light->setRadius(20.f);
		} },
		{ VESK_NODE_DUMMY_TRANSFORMATION, [](scene::ISceneNode* n) {
			core::matrix4& m = static_cast<CVeskDummyTransformationSceneNode*>(n)->getRelativeTransformationMatrix();
			m.setRotationDegrees(core::vector3df(10, 20, 30));
			m.setTranslation(core::vector3df(4, 5, 6));
		} },
		{ VESK_NODE_BILLBOARD, [this](scene::ISceneNode* n) {
			CVeskBillboardSceneNode* billboard = static_cast<CVeskBillboardSceneNode*>(n);
			billboard->setVertical(true);
			billboard->setSize(core::dimension2df(4, 8));
			Attributes->clear();
			Attributes->addBool("OccludesLight", true);
			billboard->deserializeAttributes(Attributes);
		} },
		{ VESK_NODE_SKY_BOX, [](scene::ISceneNode* n) {
			static_cast<CVeskSkyBoxSceneNode*>(n)->setCollision(false);
		} },
	};
	for (const SCase& c : cases)
	{
		scene::ISceneNode* original = make<scene::ISceneNode>(c.Code);
		IVeskSerializationSupport* originalPayload = dynamic_cast<IVeskSerializationSupport*>(original);
		const std::vector<u8> defaults = payloadOf(originalPayload);
		c.Change(original);
		const std::vector<u8> once = payloadOf(originalPayload);
		EXPECT_NE(once, defaults) << c.Code;

		scene::ISceneNode* copy = make<scene::ISceneNode>(c.Code);
		IVeskSerializationSupport* copyPayload = dynamic_cast<IVeskSerializationSupport*>(copy);
		EXPECT_TRUE(read(copyPayload, once)) << c.Code;
		const std::vector<u8> twice = payloadOf(copyPayload);
		EXPECT_EQ(twice.size(), once.size()) << c.Code;
		EXPECT_TRUE(twice == once) << c.Code;
		for (size_t i = 0; i < twice.size() && i < once.size(); ++i)
			if (twice[i] != once[i])
			{
				ADD_FAILURE() << "first difference at byte " << i << " of " << c.Code;
				break;
			}
		original->drop();
		copy->drop();
	}
}

TEST_F(BasicNodes, MeshPayloadKeepsSourceNameAndOwnMeshAndSkipsUnknownSubChunks)
{
	scene::SMesh* own = createTwoBufferMesh();
	auto fixedPart = [](CVeskSerializer* writer) {
		writer->writeBox(core::aabbox3df(-2, -2, -2, 2, 2, 2));
		writer->writeBool(false);
		writer->writeBool(true);
		writer->writeBool(true);
		writer->writeBool(false);
	};
	auto sourceName = [](CVeskSerializer* writer) {
		writer->beginChunk(27);
		writer->writeString("c:\\meshes\\house.obj");
		writer->endChunk();
	};
	auto ownMesh = [own](CVeskSerializer* writer) {
		writer->beginChunk(14);
		writeStaticMesh(writer, own);
		writer->endChunk();
	};
	const std::vector<u8> stored = written([&](CVeskSerializer* writer) {
		fixedPart(writer);
		writer->beginChunk(99);
		writer->writeInt(1234);
		writer->endChunk();
		sourceName(writer);
		ownMesh(writer);
	});
	const std::vector<u8> expected = written([&](CVeskSerializer* writer) {
		fixedPart(writer);
		sourceName(writer);
		ownMesh(writer);
	});
	own->drop();

	CVeskMeshSceneNode* node = make<CVeskMeshSceneNode>(VESK_NODE_MESH);
	EXPECT_TRUE(read(node, stored));
	EXPECT_EQ(node->getSourceMeshFileName(), core::stringc("c:\\meshes\\house.obj"));
	ASSERT_NE(node->getOwnMesh(), nullptr);
	EXPECT_EQ(node->getMesh(), node->getOwnMesh());
	EXPECT_EQ(node->getMaterialCount(), 2u);
	EXPECT_FALSE(node->getOccludesLight());
	EXPECT_EQ(payloadOf(node), expected);
	node->drop();
}

TEST_F(BasicNodes, DamagedPayloadsAreReadWithoutHarm)
{
	const u32 codes[] = { VESK_NODE_MESH, VESK_NODE_CAMERA, VESK_NODE_LIGHT, VESK_NODE_DUMMY_TRANSFORMATION,
		VESK_NODE_BILLBOARD, VESK_NODE_SKY_BOX };
	for (u32 code : codes)
	{
		scene::ISceneNode* source = make<scene::ISceneNode>(code);
		std::vector<u8> whole = payloadOf(dynamic_cast<IVeskSerializationSupport*>(source));
		source->drop();
		// Every truncation, and a sub-chunk size that points far beyond the payload.
		for (size_t length = 0; length <= whole.size(); ++length)
		{
			scene::ISceneNode* node = make<scene::ISceneNode>(code);
			read(dynamic_cast<IVeskSerializationSupport*>(node), std::vector<u8>(whole.begin(), whole.begin() + length));
			node->drop();
		}
		if (whole.size() > 6 + 24 + 4 + 6)
		{
			std::vector<u8> huge = whole;
			for (size_t i = 6 + 24 + 4 + 2; i < 6 + 24 + 4 + 6; ++i)
				huge[i] = 0xFF;
			scene::ISceneNode* node = make<scene::ISceneNode>(code);
			read(dynamic_cast<IVeskSerializationSupport*>(node), huge);
			node->drop();
		}
	}
}

TEST_F(BasicNodes, CameraAspectFollowsTheScreenOnlyWhenStoredAsZero)
{
	video::IVideoDriver* driver = Device->getVideoDriver();
	struct SCase
	{
		f32 Stored;
		bool Automatic;
		f32 AfterResize;
	};
	const SCase cases[] = { { 0.f, true, 640.f / 200.f }, { 1.777778f, false, 1.777778f } };
	for (const SCase& c : cases)
	{
		driver->OnResize(core::dimension2du(320, 240));
		CVeskCameraSceneNode* camera = make<CVeskCameraSceneNode>(VESK_NODE_CAMERA);
		const std::vector<u8> payload = written([&](CVeskSerializer* writer) {
			writer->writeBox(core::aabbox3df(-1, -1, -1, 1, 1, 1));
			writer->writeVector(core::vector3df(0, 0, 10));
			writer->writeVector(core::vector3df(0, 1, 0));
			writer->writeFloat(1.f);
			writer->writeFloat(c.Stored);
			writer->writeFloat(1.f);
			writer->writeFloat(100.f);
			writer->writeBool(true);
		});
		EXPECT_TRUE(read(camera, payload));
		EXPECT_EQ(camera->isAutomaticAspect(), c.Automatic);
		EXPECT_TRUE(camera->isActive());
		EXPECT_NEAR(camera->getAspectRatio(), c.Automatic ? 320.f / 240.f : c.Stored, 1e-5f);

		driver->OnResize(core::dimension2du(640, 200));
		camera->OnRegisterSceneNode();
		EXPECT_NEAR(camera->getAspectRatio(), c.AfterResize, 1e-5f) << c.Stored;
		core::matrix4 expected;
		expected.buildProjectionMatrixPerspectiveFovLH(1.f, c.AfterResize, 1.f, 100.f);
		EXPECT_TRUE(camera->getProjectionMatrix().equals(expected, 1e-5f)) << c.Stored;
		camera->drop();
	}
	driver->OnResize(core::dimension2du(320, 240));
}

TEST_F(BasicNodes, CameraAspectRatioAttribute)
{
	CVeskCameraSceneNode* camera = make<CVeskCameraSceneNode>(VESK_NODE_CAMERA);
	struct SWrite
	{
		bool Automatic;
		f32 Aspect;
		const char* Written;
	};
	const SWrite writes[] = {
		{ true, 0.f, "Auto (screen resolution)" }, { false, 1.333333f, "4:3" }, { false, 1.777778f, "16:9" },
		{ false, 1.5f, "3:2" }, { false, 2.f, "2:1" }, { false, 2.35f, "2.35:1" }, { false, 1.f, "1:1" },
		{ false, 1.6f, "Auto (screen resolution)" },
	};
	for (const SWrite& w : writes)
	{
		if (w.Automatic)
			camera->setAutomaticAspect(true);
		else
			camera->setAspectRatio(w.Aspect);
		Attributes->clear();
		camera->serializeAttributes(Attributes);
		EXPECT_EQ(Attributes->getAttributeAsString("AspectRatio"), core::stringc(w.Written)) << w.Aspect;
	}

	struct SRead
	{
		bool AutomaticBefore;
		const char* Literal;
		bool AutomaticAfter;
		f32 Aspect;
	};
	const SRead reads[] = {
		{ false, "Auto (screen resolution)", true, 320.f / 240.f },
		{ true, "16:9", false, 1.777778f },
		{ true, "1:1", false, 1.f },
		{ false, "5:4", false, 1.6f },
		{ true, "5:4", true, 320.f / 240.f },
	};
	for (const SRead& r : reads)
	{
		camera->setAspectRatio(1.6f);
		camera->setAutomaticAspect(r.AutomaticBefore);
		Attributes->clear();
		camera->serializeAttributes(Attributes);
		Attributes->setAttribute("AspectRatio", r.Literal);
		camera->deserializeAttributes(Attributes);
		EXPECT_EQ(camera->isAutomaticAspect(), r.AutomaticAfter) << r.Literal;
		EXPECT_NEAR(camera->getAspectRatio(), r.Aspect, 1e-5f) << r.Literal;
	}
	camera->drop();
}

TEST_F(BasicNodes, CameraAttributesAndCloneKeepTheView)
{
	CVeskCameraSceneNode* camera = make<CVeskCameraSceneNode>(VESK_NODE_CAMERA);
	camera->setActive(true);
	camera->setFOV(core::PI / 4.f);
	camera->setTarget(core::vector3df(5, 0, 0));
	camera->serializeAttributes(Attributes);
	EXPECT_NEAR(Attributes->getAttributeAsFloat("FieldOfView_Degrees"), 45.f, 1e-4f);
	EXPECT_FALSE(Attributes->existsAttribute("IsOrthogonal"));

	SceneManager->getRootSceneNode()->addChild(camera);
	CVeskCameraSceneNode* clone = static_cast<CVeskCameraSceneNode*>(camera->clone());
	ASSERT_NE(clone, nullptr);
	EXPECT_FALSE(clone->isActive());
	EXPECT_EQ(clone->getTarget(), core::vector3df(5, 0, 0));
	EXPECT_FLOAT_EQ(clone->getFOV(), core::PI / 4.f);
	EXPECT_EQ(clone->getParent(), SceneManager->getRootSceneNode());
	camera->drop();
}

TEST_F(BasicNodes, LightRadiusSetsTheAttenuation)
{
	CVeskLightSceneNode* light = make<CVeskLightSceneNode>(VESK_NODE_LIGHT);
	EXPECT_EQ(light->getLightData().Attenuation, core::vector3df(0, 0.02f, 0));
	EXPECT_EQ(light->getLightData().DiffuseColor.toSColor().color, 0xFFFFFFFFu);
	EXPECT_NEAR(light->getLightData().Direction.getLength(), 1.f, 1e-5f);

	light->setRadius(10.f);
	const std::vector<u8> payload = written([](CVeskSerializer* writer) {
		writer->writeBox(core::aabbox3df(-1, -1, -1, 1, 1, 1));
		writer->writeInt(0);
		writer->writeColorf(video::SColorf(1, 1, 1, 1));
		writer->writeColorf(video::SColorf(1, 1, 1, 1));
		writer->writeBool(true);
		writer->writeVector(core::vector3df(0, -1, 0));
		writer->writeFloat(50.f);
	});
	EXPECT_TRUE(read(light, payload));
	EXPECT_FLOAT_EQ(light->getRadius(), 50.f);
	EXPECT_EQ(light->getLightData().Attenuation, core::vector3df(0, 0.02f, 0));
	light->drop();
}

TEST_F(BasicNodes, LightAttributesDependOnTheLightType)
{
	struct SCase
	{
		video::E_LIGHT_TYPE Type;
		bool HasRadius;
		bool HasDirection;
	};
	const SCase cases[] = {
		{ video::ELT_POINT, true, false }, { video::ELT_SPOT, false, false }, { video::ELT_DIRECTIONAL, false, true },
	};
	for (const SCase& c : cases)
	{
		CVeskLightSceneNode* light = make<CVeskLightSceneNode>(VESK_NODE_LIGHT);
		light->setLightType(c.Type);
		Attributes->clear();
		light->serializeAttributes(Attributes);
		EXPECT_EQ(Attributes->existsAttribute("Radius"), c.HasRadius) << c.Type;
		EXPECT_EQ(Attributes->existsAttribute("Direction"), c.HasDirection) << c.Type;

		Attributes->setAttribute("Color", video::SColorf(0.25f, 0.5f, 0.75f, 1.f));
		Attributes->setAttribute("Radius", 25.f);
		Attributes->setAttribute("Direction", core::vector3df(0, 0, 4));
		light->deserializeAttributes(Attributes);
		const video::SLight& data = light->getLightData();
		EXPECT_FLOAT_EQ(data.SpecularColor.g, 0.5f) << c.Type;
		EXPECT_FLOAT_EQ(data.Radius, c.HasRadius ? 25.f : 50.f) << c.Type;
		EXPECT_FLOAT_EQ(data.Attenuation.Y, 1.f / data.Radius) << c.Type;
		EXPECT_EQ(data.Direction == core::vector3df(0, 0, 1), c.HasDirection) << c.Type;
		light->drop();
	}
}

TEST_F(BasicNodes, BillboardSizeAndBox)
{
	struct SCase
	{
		f32 Width, Height;
		bool Vertical;
		f32 ExpectedWidth, ExpectedHeight;
		core::aabbox3df Box;
	};
	const SCase cases[] = {
		{ 0, 0, false, 1, 1, core::aabbox3df(-1 / 3.f, -1 / 3.f, -1 / 3.f, 1 / 3.f, 1 / 3.f, 1 / 3.f) },
		{ 6, 12, false, 6, 12, core::aabbox3df(-3, -3, -3, 3, 3, 3) },
		{ 6, 12, true, 6, 12, core::aabbox3df(-2, -4, -2, 2, 4, 2) },
		{ 0, 9, true, 1, 9, core::aabbox3df(-1 / 3.f, -3, -1 / 3.f, 1 / 3.f, 3, 1 / 3.f) },
	};
	for (const SCase& c : cases)
	{
		CVeskBillboardSceneNode* billboard = make<CVeskBillboardSceneNode>(VESK_NODE_BILLBOARD);
		const std::vector<u8> payload = written([&c](CVeskSerializer* writer) {
			writer->writeBox(core::aabbox3df(-100, -100, -100, 100, 100, 100));
			writer->writeFloat(c.Width);
			writer->writeFloat(c.Height);
			writer->writeByte(c.Vertical ? 2 : 0);
		});
		EXPECT_TRUE(read(billboard, payload));
		EXPECT_FLOAT_EQ(billboard->getSize().Width, c.ExpectedWidth);
		EXPECT_FLOAT_EQ(billboard->getSize().Height, c.ExpectedHeight);
		EXPECT_EQ(billboard->isVertical(), c.Vertical);
		EXPECT_TRUE(billboard->getBoundingBox().MinEdge.equals(c.Box.MinEdge)) << c.Width << "x" << c.Height;
		EXPECT_TRUE(billboard->getBoundingBox().MaxEdge.equals(c.Box.MaxEdge)) << c.Width << "x" << c.Height;
		billboard->drop();
	}
}

TEST_F(BasicNodes, DummyNodeChildrenFollowItsMatrixNotItsPosition)
{
	CVeskDummyTransformationSceneNode* dummy = make<CVeskDummyTransformationSceneNode>(VESK_NODE_DUMMY_TRANSFORMATION);
	SceneManager->getRootSceneNode()->addChild(dummy);
	dummy->setPosition(core::vector3df(100, 0, 0));
	dummy->setScale(core::vector3df(3, 3, 3));
	dummy->getRelativeTransformationMatrix().setTranslation(core::vector3df(5, 0, 0));
	EXPECT_EQ(dummy->getAutomaticCulling(), u32(scene::EAC_OFF));

	scene::ISceneNode* child = SceneManager->addEmptySceneNode(dummy);
	child->setPosition(core::vector3df(1, 0, 0));
	SceneManager->getRootSceneNode()->OnAnimate(0);
	EXPECT_TRUE(child->getAbsolutePosition().equals(core::vector3df(6, 0, 0)));

	Attributes->clear();
	dummy->serializeAttributes(Attributes);
	ASSERT_EQ(Attributes->getAttributeCount(), 2u);
	EXPECT_STREQ(Attributes->getAttributeName(0), "Name");
	EXPECT_STREQ(Attributes->getAttributeName(1), "Visible");

	scene::ISceneNode* clone = dummy->clone();
	ASSERT_NE(clone, nullptr);
	EXPECT_EQ(clone->getRelativeTransformation(), dummy->getRelativeTransformation());
	EXPECT_EQ(clone->getChildren().size(), 1u);
	dummy->drop();
}

TEST_F(BasicNodes, MeshMaterialsComeFromTheNodeTheSharedMeshOrTheOwnMesh)
{
	scene::SMesh* mesh = createTwoBufferMesh();
	CVeskMeshSceneNode* node = make<CVeskMeshSceneNode>(VESK_NODE_MESH);
	EXPECT_EQ(node->getMaterialCount(), 0u);
	node->getMaterial(0).Wireframe = true;
	EXPECT_FALSE(node->getMaterial(0).Wireframe);

	// Shared mesh: the node's own copies.
	node->setMesh(mesh);
	ASSERT_EQ(node->getMaterialCount(), 2u);
	EXPECT_EQ(node->getMaterial(1).MaterialType, video::EMT_TRANSPARENT_ADD_COLOR);
	node->getMaterial(0).Wireframe = true;
	EXPECT_TRUE(node->getMaterial(0).Wireframe);
	EXPECT_FALSE(mesh->getMeshBuffer(0)->getMaterial().Wireframe);
	node->getMaterial(2).Wireframe = true;
	EXPECT_FALSE(node->getMaterial(2).Wireframe);

	// Read-only: a copy of the buffer's material that nobody keeps.
	node->setReadOnlyMaterials(true);
	EXPECT_FALSE(node->getMaterial(0).Wireframe);
	node->getMaterial(0).Wireframe = true;
	EXPECT_FALSE(node->getMaterial(0).Wireframe);
	EXPECT_FALSE(mesh->getMeshBuffer(0)->getMaterial().Wireframe);
	EXPECT_EQ(node->getMaterialCount(), 2u);

	// Own mesh: the buffers' materials themselves.
	node->setReadOnlyMaterials(false);
	scene::SMesh* own = SceneManager->getMeshManipulator()->createMeshCopy(mesh);
	node->setOwnMesh(own);
	EXPECT_EQ(node->getMesh(), own);
	EXPECT_EQ(node->getMaterialCount(), 2u);
	node->getMaterial(1).Wireframe = true;
	EXPECT_TRUE(own->getMeshBuffer(1)->getMaterial().Wireframe);
	EXPECT_EQ(own->getReferenceCount(), 3);

	// Sharing a mesh again gives up the own mesh.
	node->setMesh(mesh);
	EXPECT_EQ(node->getOwnMesh(), nullptr);
	EXPECT_EQ(own->getReferenceCount(), 1);
	own->drop();

	node->createOwnMesh(true);
	ASSERT_NE(node->getOwnMesh(), nullptr);
	EXPECT_EQ(node->getMaterialCount(), 0u);
	node->createOwnMesh(false);
	EXPECT_EQ(node->getMesh(), nullptr);
	node->drop();
	EXPECT_EQ(mesh->getReferenceCount(), 1);
	mesh->drop();
}

TEST_F(BasicNodes, MeshCloneGetsACopyOfTheOwnMesh)
{
	CVeskMeshSceneNode* node = make<CVeskMeshSceneNode>(VESK_NODE_MESH);
	SceneManager->getRootSceneNode()->addChild(node);
	scene::SMesh* own = createTwoBufferMesh();
	node->setOwnMesh(own);
	own->drop();
	node->setCollision(false);
	CVeskMeshSceneNode* clone = static_cast<CVeskMeshSceneNode*>(node->clone());
	ASSERT_NE(clone, nullptr);
	ASSERT_NE(clone->getOwnMesh(), nullptr);
	EXPECT_NE(clone->getOwnMesh(), node->getOwnMesh());
	EXPECT_EQ(clone->getMaterialCount(), 2u);
	EXPECT_EQ(clone->getMaterial(1).MaterialType, video::EMT_TRANSPARENT_ADD_COLOR);
	EXPECT_FALSE(clone->getCollision());
	EXPECT_EQ(payloadOf(clone), payloadOf(node));
	node->drop();
}

TEST_F(BasicNodes, SkyBoxDefaultMeshHasSixUnlitFacesWithoutDepth)
{
	CVeskSkyBoxSceneNode* sky = make<CVeskSkyBoxSceneNode>(VESK_NODE_SKY_BOX);
	scene::SMesh* mesh = sky->getOwnMesh();
	ASSERT_NE(mesh, nullptr);
	ASSERT_EQ(mesh->getMeshBufferCount(), 6u);
	for (u32 i = 0; i < 6; ++i)
	{
		scene::IMeshBuffer* buffer = mesh->getMeshBuffer(i);
		EXPECT_EQ(buffer->getVertexCount(), 4u);
		EXPECT_EQ(buffer->getIndexCount(), 6u);
		const video::SMaterial& material = buffer->getMaterial();
		EXPECT_FALSE(material.Lighting);
		EXPECT_EQ(material.ZBuffer, video::ECFN_NEVER);
		EXPECT_EQ(material.TextureLayer[0].TextureWrapU, video::ETC_CLAMP_TO_EDGE);
	}
	// The bottom face lies at y = -1 and faces up.
	video::S3DVertex* bottom = static_cast<video::S3DVertex*>(mesh->getMeshBuffer(5)->getVertices());
	for (u32 v = 0; v < 4; ++v)
	{
		EXPECT_FLOAT_EQ(bottom[v].Pos.Y, -1.f);
		EXPECT_EQ(bottom[v].Normal, core::vector3df(0, 1, 0));
	}
	Attributes->clear();
	sky->serializeAttributes(Attributes);
	EXPECT_FALSE(Attributes->existsAttribute("Collision"));
	sky->drop();
}

TEST_F(BasicNodes, FirstFrameIsCulledAgainstTheCamerasOwnView)
{
	CVeskCameraSceneNode* camera = make<CVeskCameraSceneNode>(VESK_NODE_CAMERA);
	SceneManager->getRootSceneNode()->addChild(camera);
	camera->setTarget(core::vector3df(0, 0, -1));
	SceneManager->setActiveCamera(camera);
	camera->drop();

	// In front of the camera, which looks along -z; registered before the camera is.
	CVeskMeshSceneNode* node = make<CVeskMeshSceneNode>(VESK_NODE_MESH);
	node->setPosition(core::vector3df(0, 0, -20));
	node->setAutomaticCulling(scene::EAC_FRUSTUM_BOX);
	scene::SMesh* mesh = createTwoBufferMesh();
	node->setOwnMesh(mesh);
	mesh->drop();
	scene::ISceneNode* root = SceneManager->getRootSceneNode();
	root->addChild(node);
	root->removeChild(camera);
	root->addChild(camera);
	node->drop();

	getSceneExtension(SceneManager)->drawAll(0);
	EXPECT_GT(node->getRenderCount(), 0);
	node->setPosition(core::vector3df(0, 0, 20));
	getSceneExtension(SceneManager)->drawAll(0);
	EXPECT_EQ(node->getRenderCount(), 0);
}
