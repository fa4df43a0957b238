// The frame drawing's passes as the OpenGL driver sees them: the 2D pass under a given
// transformation, and the light pass against the driver's limit of dynamic lights.
#include "document/veskTypeCodes.h"
#include "render/CVeskDriverExtension.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskMaterialRenderers.h"
#include "render/veskRenderPass.h"
#include "render/veskSceneManager.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/veskNodeFactory.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace irr;

namespace
{

const u32 SIZE = 64;
const video::SColor BACKGROUND(255, 0, 0, 0);
const video::SColor GREEN(255, 0, 255, 0);

class FrameDrawing : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createOpenGLDevice(SIZE, SIZE);
		ASSERT_NE(Device, nullptr);
		ASSERT_TRUE(installVeskMaterialRenderers(Device));
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

	scene::ISceneNode* add(u32 typeCode, const core::vector3df& position)
	{
		scene::ISceneNode* node = createVeskSceneNode(typeCode, 0, SceneManager, -1, position, 0);
		SceneManager->getRootSceneNode()->addChild(node);
		node->drop();
		return node;
	}

	video::SColor pixel(s32 x, s32 y) const { return hxtest::readBackBufferPixel(x, y, SIZE); }

	IrrlichtDevice* Device = nullptr;
	video::IVideoDriver* Driver = nullptr;
	scene::ISceneManager* SceneManager = nullptr;
	CVeskSceneManagerExtension* Extension = nullptr;
};

//! A screen rectangle drawn in the 2D pass, placed through the driver's 2D transformation.
class COverlayRectangle : public scene::ISceneNode
{
public:
	COverlayRectangle(scene::ISceneManager* sceneManager, const core::recti& rectangle)
		: ISceneNode(sceneManager->getRootSceneNode(), sceneManager, -1), Rectangle(rectangle)
	{
	}

	void OnRegisterSceneNode() override
	{
		if (IsVisible)
			registerVeskNodeForRendering(SceneManager, this, EVRP_2D);
		ISceneNode::OnRegisterSceneNode();
	}

	void render() override
	{
		video::IVideoDriver* driver = SceneManager->getVideoDriver();
		driver->draw2DRectangle(GREEN, getDriverExtension(driver)->transform2DRectangle(Rectangle));
	}

	const core::aabbox3df& getBoundingBox() const override { return Box; }

private:
	core::recti Rectangle;
	core::aabbox3df Box;
};

bool isColor(video::SColor actual, video::SColor expected)
{
	return actual.getRed() == expected.getRed() && actual.getGreen() == expected.getGreen() &&
		actual.getBlue() == expected.getBlue();
}

} // end anonymous namespace

TEST_F(FrameDrawing, TwoDimensionalPassIsDrawnUnderTheGivenTransformationOnly)
{
	(new COverlayRectangle(SceneManager, core::recti(0, 0, 16, 16)))->drop();
	core::matrix4 shiftedAndHalved;
	shiftedAndHalved.setScale(core::vector3df(0.5f, 0.5f, 1.f));
	shiftedAndHalved.setTranslation(core::vector3df(32.f, 32.f, 0.f));

	struct SCase
	{
		const core::matrix4* Transformation;
		core::position2di Inside;
		core::position2di Outside[2];
	};
	const SCase cases[] = {
		{ nullptr, { 8, 8 }, { { 20, 20 }, { 36, 36 } } },
		{ &shiftedAndHalved, { 36, 36 }, { { 8, 8 }, { 44, 44 } } },
	};
	CVeskDriverExtension* driverExtension = getDriverExtension(Driver);
	for (const SCase& c : cases)
	{
		Driver->beginScene(true, true, BACKGROUND);
		Extension->drawAll(0, 0, c.Transformation);
		EXPECT_TRUE(isColor(pixel(c.Inside.X, c.Inside.Y), GREEN)) << (c.Transformation ? "transformed" : "plain");
		for (const core::position2di& outside : c.Outside)
			EXPECT_TRUE(isColor(pixel(outside.X, outside.Y), BACKGROUND)) << outside.X << "," << outside.Y;
		Driver->endScene();
		// The transformation belongs to the one pass; later 2D drawing is not moved.
		EXPECT_EQ(driverExtension->get2DTransformation(), nullptr);
	}
}

TEST_F(FrameDrawing, OnlyTheNearestLightsTheDriverCanTakeAreAdded)
{
	const u32 limit = Driver->getMaximalDynamicLightAmount();
	const u32 distances[] = { 70, 20, 90, 40, 10, 100, 110, 30, 60, 120, 80, 50 };
	const u32 count = sizeof(distances) / sizeof(distances[0]);
	if (limit == 0 || limit >= count)
		GTEST_SKIP() << "the driver takes " << limit << " lights";

	CVeskCameraSceneNode* camera = static_cast<CVeskCameraSceneNode*>(add(VESK_NODE_CAMERA, core::vector3df(0, 0, 0)));
	camera->setTarget(core::vector3df(0, 0, 1));
	SceneManager->setActiveCamera(camera);
	// Lights behind the camera too: distance decides, not the view.
	for (u32 i = 0; i < count; ++i)
		add(VESK_NODE_LIGHT, core::vector3df(0, 0, (i % 2 ? -1.f : 1.f) * f32(distances[i])));

	Driver->beginScene(true, true, BACKGROUND);
	Extension->drawAll(0);
	Driver->endScene();

	ASSERT_EQ(Driver->getDynamicLightCount(), limit);
	std::vector<u32> added;
	for (u32 i = 0; i < limit; ++i)
		added.push_back(u32(fabsf(Driver->getDynamicLight(i).Position.Z) + 0.5f));
	std::sort(added.begin(), added.end());
	std::vector<u32> nearest(distances, distances + count);
	std::sort(nearest.begin(), nearest.end());
	nearest.resize(limit);
	EXPECT_EQ(added, nearest);
}
