// Pictures drawn by the scene manager extension and the basic node classes.
#include "document/veskTypeCodes.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskRenderPass.h"
#include "render/veskSceneManager.h"
#include "scene/CVeskBillboardSceneNode.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/CVeskSkyBoxSceneNode.h"
#include "scene/veskNodeFactory.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

const u32 SIZE = 64;
const video::SColor BACKGROUND(255, 0, 0, 0);

class NodeDrawing : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createOpenGLDevice(SIZE, SIZE);
		ASSERT_NE(Device, nullptr);
		Driver = Device->getVideoDriver();
		SceneManager = createVeskSceneManager(Device->getSceneManager());
		Extension = getSceneExtension(SceneManager);
		ASSERT_NE(Extension, nullptr);
	}

	void TearDown() override
	{
		if (SceneManager)
			SceneManager->drop();
		if (Device)
			Device->drop();
	}

	template <typename T> T* add(u32 typeCode, const core::vector3df& position = core::vector3df(0, 0, 0))
	{
		scene::ISceneNode* node = createVeskSceneNode(typeCode, 0, SceneManager, -1, position, 0);
		SceneManager->getRootSceneNode()->addChild(node);
		node->drop();
		return static_cast<T*>(node);
	}

	CVeskCameraSceneNode* addCamera(const core::vector3df& position, const core::vector3df& target)
	{
		CVeskCameraSceneNode* camera = add<CVeskCameraSceneNode>(VESK_NODE_CAMERA, position);
		camera->setTarget(target);
		SceneManager->setActiveCamera(camera);
		return camera;
	}

	//! Draws one frame and keeps the back buffer for reading until endFrame.
	void drawFrame()
	{
		Driver->beginScene(true, true, BACKGROUND);
		Extension->drawAll(Device->getTimer()->getTime());
	}

	void endFrame() { Driver->endScene(); }

	video::SColor pixel(s32 x, s32 y) const { return hxtest::readBackBufferPixel(x, y, SIZE); }

	IrrlichtDevice* Device = nullptr;
	video::IVideoDriver* Driver = nullptr;
	scene::ISceneManager* SceneManager = nullptr;
	CVeskSceneManagerExtension* Extension = nullptr;
};

//! A square of two triangles in the plane z = 0, half-size h, one colour, unlit.
scene::SMeshBuffer* createSquare(f32 h, video::SColor color, video::E_MATERIAL_TYPE type = video::EMT_SOLID)
{
	scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
	const f32 corners[4][2] = { { -h, -h }, { h, -h }, { h, h }, { -h, h } };
	for (const auto& corner : corners)
		buffer->Vertices.push_back(video::S3DVertex(corner[0], corner[1], 0, 0, 0, -1, color, 0, 0));
	const u16 indices[6] = { 0, 1, 2, 0, 2, 3 };
	for (u16 index : indices)
		buffer->Indices.push_back(index);
	buffer->Material.Lighting = false;
	buffer->Material.BackfaceCulling = false;
	buffer->Material.MaterialType = type;
	buffer->recalculateBoundingBox();
	return buffer;
}

scene::SMesh* createMesh(const std::vector<scene::SMeshBuffer*>& buffers)
{
	scene::SMesh* mesh = new scene::SMesh();
	for (scene::SMeshBuffer* buffer : buffers)
	{
		mesh->addMeshBuffer(buffer);
		buffer->drop();
	}
	mesh->recalculateBoundingBox();
	return mesh;
}

//! A mesh node registering for one chosen pass instead of its usual ones.
class CMeshNodeInPass : public CVeskMeshSceneNode
{
public:
	CMeshNodeInPass(scene::ISceneManager* sceneManager, u32 pass, const core::vector3df& position)
		: CVeskMeshSceneNode(sceneManager->getRootSceneNode(), sceneManager, -1, position), Pass(pass)
	{
	}

	void OnRegisterSceneNode() override
	{
		registerVeskNodeForRendering(SceneManager, this, Pass);
		ISceneNode::OnRegisterSceneNode();
	}

private:
	u32 Pass;
};

bool near(video::SColor a, video::SColor b, u32 tolerance = 2)
{
	auto close = [tolerance](u32 x, u32 y) { return (x > y ? x - y : y - x) <= tolerance; };
	return close(a.getRed(), b.getRed()) && close(a.getGreen(), b.getGreen()) && close(a.getBlue(), b.getBlue());
}

::testing::AssertionResult colorIs(video::SColor actual, video::SColor expected)
{
	if (near(actual, expected))
		return ::testing::AssertionSuccess();
	return ::testing::AssertionFailure() << "colour (" << actual.getRed() << ", " << actual.getGreen() << ", "
		<< actual.getBlue() << "), expected (" << expected.getRed() << ", " << expected.getGreen() << ", "
		<< expected.getBlue() << ")";
}

} // end anonymous namespace

TEST_F(NodeDrawing, LateSolidNodeIsDrawnOverGeometryInFrontOfIt)
{
	const video::SColor red(255, 255, 0, 0);
	const video::SColor blue(255, 0, 0, 255);
	addCamera(core::vector3df(0, 0, -10), core::vector3df(0, 0, 0));

	CVeskMeshSceneNode* front = add<CVeskMeshSceneNode>(VESK_NODE_MESH);
	scene::SMesh* frontMesh = createMesh({ createSquare(2, red) });
	front->setOwnMesh(frontMesh);
	frontMesh->drop();

	struct SCase
	{
		u32 Pass;
		video::SColor Centre;
	};
	const SCase cases[] = { { EVRP_SOLID, red }, { EVRP_SOLID_LATE, blue } };
	for (const SCase& c : cases)
	{
		// Larger and farther away: its rim shows around the front square either way.
		CMeshNodeInPass* behind = new CMeshNodeInPass(SceneManager, c.Pass, core::vector3df(0, 0, 5));
		scene::SMesh* behindMesh = createMesh({ createSquare(6, blue) });
		behind->setOwnMesh(behindMesh);
		behindMesh->drop();

		drawFrame();
		EXPECT_TRUE(colorIs(pixel(SIZE / 2, SIZE / 2), c.Centre)) << c.Pass;
		EXPECT_TRUE(colorIs(pixel(18, SIZE / 2), blue)) << c.Pass;
		endFrame();
		behind->remove();
		behind->drop();
	}
}

TEST_F(NodeDrawing, MeshWithSolidAndTransparentBuffersDrawsEachOncePerFrame)
{
	addCamera(core::vector3df(0, 0, -10), core::vector3df(0, 0, 0));
	CVeskMeshSceneNode* node = add<CVeskMeshSceneNode>(VESK_NODE_MESH);
	scene::SMeshBuffer* solid = createSquare(2, video::SColor(255, 200, 0, 0));
	scene::SMeshBuffer* transparent = createSquare(3, video::SColor(255, 0, 100, 0), video::EMT_TRANSPARENT_ADD_COLOR);
	// One triangle solid, two transparent: a buffer drawn twice or not at all changes the count.
	solid->Indices.set_used(3);
	scene::SMesh* mesh = createMesh({ solid, transparent });

	struct SCase
	{
		const char* Mode;
		bool OwnMesh;
	};
	const SCase cases[] = { { "own mesh", true }, { "shared mesh, node materials", false } };
	for (const SCase& c : cases)
	{
		if (c.OwnMesh)
			node->setOwnMesh(mesh);
		else
			node->setMesh(mesh);
		for (int frame = 0; frame < 2; ++frame)
		{
			drawFrame();
			endFrame();
			EXPECT_EQ(Driver->getPrimitiveCountDrawn(0), 3u) << c.Mode;
			EXPECT_EQ(node->getRenderCount(), 2) << c.Mode;
		}
	}
	mesh->drop();
}

namespace
{

const video::SColor SEEN_FACE_COLOR(255, 0, 255, 0);

//! A sky box whose face seenFace is green and whose other faces are magenta.
void paintSkyBox(video::IVideoDriver* driver, CVeskSkyBoxSceneNode* sky, u32 seenFace)
{
	for (u32 face = 0; face < 6; ++face)
	{
		video::IImage* image = driver->createImage(video::ECF_A8R8G8B8, core::dimension2du(4, 4));
		image->fill(face == seenFace ? SEEN_FACE_COLOR : video::SColor(255, 255, 0, 255));
		video::ITexture* texture = driver->addTexture(core::stringc("face") + core::stringc(face), image);
		image->drop();
		sky->getMaterial(face).setTexture(0, texture);
	}
}

} // end anonymous namespace

TEST_F(NodeDrawing, SkyBoxThroughPerspectiveCameraSurroundsTheSceneBehindEverything)
{
	// Far from the origin: the box must travel with the camera to surround it.
	addCamera(core::vector3df(2000, 4, 5), core::vector3df(2000, 4, 0));
	CVeskMeshSceneNode* square = add<CVeskMeshSceneNode>(VESK_NODE_MESH, core::vector3df(2000, 4, 0));
	const video::SColor red(255, 255, 0, 0);
	scene::SMesh* mesh = createMesh({ createSquare(1, red) });
	square->setOwnMesh(mesh);
	mesh->drop();
	// Made after the square: drawing order must not follow the tree.
	paintSkyBox(Driver, add<CVeskSkyBoxSceneNode>(VESK_NODE_SKY_BOX), 0);

	// The faces' texture is modulated by their vertex colour, so only its hue is certain here.
	auto seenFace = [](video::SColor c) { return c.getRed() < 8 && c.getBlue() < 8 && c.getGreen() > 32; };
	drawFrame();
	EXPECT_TRUE(colorIs(pixel(SIZE / 2, SIZE / 2), red));
	EXPECT_TRUE(seenFace(pixel(2, 2)));
	EXPECT_TRUE(seenFace(pixel(SIZE - 3, SIZE - 3)));
	endFrame();
}

TEST_F(NodeDrawing, SkyBoxThroughOrthogonalCameraLookingDownShowsFaceFive)
{
	CVeskCameraSceneNode* camera = addCamera(core::vector3df(0, 0, 0), core::vector3df(0, -1, 0));
	camera->setUpVector(core::vector3df(0, 0, 1));
	core::matrix4 orthogonal;
	orthogonal.buildProjectionMatrixOrthoLH(2, 2, 1, 100);
	camera->setProjectionMatrix(orthogonal, true);

	CVeskSkyBoxSceneNode* sky = add<CVeskSkyBoxSceneNode>(VESK_NODE_SKY_BOX);
	paintSkyBox(Driver, sky, 5);
	const video::SColor faceColor = SEEN_FACE_COLOR;

	drawFrame();
	const s32 points[][2] = { { 0, 0 }, { SIZE - 1, 0 }, { SIZE / 2, SIZE / 2 }, { 0, SIZE - 1 }, { SIZE - 1, SIZE - 1 } };
	for (const auto& p : points)
		EXPECT_TRUE(colorIs(pixel(p[0], p[1]), faceColor)) << p[0] << "," << p[1];
	endFrame();
}

TEST_F(NodeDrawing, BillboardFacesTheCameraFromEverySide)
{
	CVeskBillboardSceneNode* billboard = add<CVeskBillboardSceneNode>(VESK_NODE_BILLBOARD);
	billboard->setSize(core::dimension2df(4, 4));
	billboard->getMaterial(0).Lighting = false; // back faces stay culled: the quad must face the camera
	const video::SColor grey(255, 64, 64, 64);
	CVeskCameraSceneNode* camera = addCamera(core::vector3df(0, 0, -10), core::vector3df(0, 0, 0));

	auto extent = [this](bool across) {
		s32 count = 0;
		for (s32 i = 0; i < s32(SIZE); ++i)
			if (!near(across ? pixel(i, SIZE / 2) : pixel(SIZE / 2, i), BACKGROUND))
				++count;
		return count;
	};

	drawFrame();
	const s32 width = extent(true);
	const s32 height = extent(false);
	endFrame();
	ASSERT_GT(width, 8);
	ASSERT_LT(width, s32(SIZE) - 8);

	// Straight above (up vector along the view) included: the quad must still face the camera.
	const core::vector3df positions[] = { core::vector3df(10, 0, 0), core::vector3df(0, 10, 0),
		core::vector3df(0, 0, 10), core::vector3df(5.7735f, 5.7735f, -5.7735f) };
	for (const core::vector3df& position : positions)
	{
		camera->setPosition(position);
		drawFrame();
		EXPECT_TRUE(colorIs(pixel(SIZE / 2, SIZE / 2), grey)) << position.X << "," << position.Y << "," << position.Z;
		EXPECT_NEAR(extent(true), width, 2) << position.X << "," << position.Y << "," << position.Z;
		EXPECT_NEAR(extent(false), height, 2) << position.X << "," << position.Y << "," << position.Z;
		endFrame();
	}
}
