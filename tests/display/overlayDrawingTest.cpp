// Pictures of the 2D overlay drawn in the 2D pass over the 3D scene.
#include "document/veskTypeCodes.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"
#include "scene/CVesk2DOverlayNode.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/veskNodeFactory.h"
#include "tests/support/behaviourFixtures.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace irr;

namespace
{

const u32 SIZE = 64;
const video::SColor BLACK(255, 0, 0, 0);
const video::SColor RED(255, 255, 0, 0);
const video::SColor GREEN(255, 0, 255, 0);
const video::SColor BLUE(255, 0, 0, 255);
const video::SColor YELLOW(255, 255, 255, 0);
const video::SColor WHITE(255, 255, 255, 255);
const c8* const ALIGNMENT_NAMES[] = { "top left", "center", "multiline", 0 };

class OverlayDrawing : public ::testing::Test
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
		Cursor = new hxtest::CTestCursorControl();
		Attributes = Device->getFileSystem()->createEmptyAttributes(Driver);
	}

	void TearDown() override
	{
		if (Attributes)
			Attributes->drop();
		if (SceneManager)
			SceneManager->drop();
		if (Cursor)
			Cursor->drop();
		if (Device)
			Device->drop();
	}

	//! A red square that fills the view, 10 units in front of the camera.
	void addRedWall()
	{
		CVeskCameraSceneNode* camera = static_cast<CVeskCameraSceneNode*>(
			createVeskSceneNode(VESK_NODE_CAMERA, 0, SceneManager, -1, core::vector3df(0, 0, -10), 0));
		SceneManager->getRootSceneNode()->addChild(camera);
		camera->drop();
		camera->setTarget(core::vector3df(0, 0, 0));
		SceneManager->setActiveCamera(camera);

		scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
		const f32 corners[4][2] = { { -50, -50 }, { 50, -50 }, { 50, 50 }, { -50, 50 } };
		for (const auto& corner : corners)
			buffer->Vertices.push_back(video::S3DVertex(corner[0], corner[1], 0, 0, 0, -1, RED, 0, 0));
		const u16 indices[6] = { 0, 1, 2, 0, 2, 3 };
		for (u16 index : indices)
			buffer->Indices.push_back(index);
		buffer->Material.Lighting = false;
		buffer->Material.BackfaceCulling = false;
		buffer->recalculateBoundingBox();
		scene::SMesh* mesh = new scene::SMesh();
		mesh->addMeshBuffer(buffer);
		buffer->drop();
		mesh->recalculateBoundingBox();

		CVeskMeshSceneNode* wall = static_cast<CVeskMeshSceneNode*>(
			createVeskSceneNode(VESK_NODE_MESH, 0, SceneManager, -1, core::vector3df(0, 0, 0), 0));
		SceneManager->getRootSceneNode()->addChild(wall);
		wall->drop();
		wall->setOwnMesh(mesh);
		mesh->drop();
	}

	CVesk2DOverlayNode* addOverlay(const std::function<void(io::IAttributes*)>& changes)
	{
		CVesk2DOverlayNode* overlay = new CVesk2DOverlayNode(SceneManager->getRootSceneNode(), SceneManager, -1,
			Device->getGUIEnvironment(), Cursor);
		overlay->drop();
		change(overlay, changes);
		return overlay;
	}

	void change(CVesk2DOverlayNode* overlay, const std::function<void(io::IAttributes*)>& change)
	{
		Attributes->clear();
		overlay->serializeAttributes(Attributes);
		change(Attributes);
		overlay->deserializeAttributes(Attributes);
		Attributes->clear();
	}

	//! A change of the position mode keeps the overlay in place; the pixels follow in a second step.
	void placeInPixels(CVesk2DOverlayNode* overlay, s32 x, s32 y, s32 width, s32 height)
	{
		change(overlay, [](io::IAttributes* a) { a->setAttribute("Position Mode", "absolute (pixels)"); });
		change(overlay, [=](io::IAttributes* a) {
			a->setAttribute("Pos X (pixels)", x);
			a->setAttribute("Pos Y (pixels)", y);
			a->setAttribute("Width (pixels)", width);
			a->setAttribute("Height (pixels)", height);
		});
	}

	video::ITexture* addTexture(const char* name, u32 width, u32 height, const std::function<video::SColor(u32, u32)>& color)
	{
		video::IImage* image = Driver->createImage(video::ECF_A8R8G8B8, core::dimension2du(width, height));
		for (u32 y = 0; y < height; ++y)
			for (u32 x = 0; x < width; ++x)
				image->setPixel(x, y, color(x, y));
		video::ITexture* texture = Driver->addTexture(name, image);
		image->drop();
		return texture;
	}

	void drawFrame()
	{
		Driver->beginScene(true, true, BLACK);
		Extension->drawAll(Device->getTimer()->getTime());
	}

	void endFrame() { Driver->endScene(); }

	video::SColor pixel(s32 x, s32 y) const { return hxtest::readBackBufferPixel(x, y, SIZE); }

	//! Pixels of the back buffer inside area whose colour matches test.
	std::vector<core::position2di> pixelsWhere(const core::rect<s32>& area, const std::function<bool(video::SColor)>& test)
	{
		const std::vector<u8> rows = hxtest::readBackBuffer(SIZE, SIZE);
		std::vector<core::position2di> found;
		for (s32 y = area.UpperLeftCorner.Y; y < area.LowerRightCorner.Y; ++y)
			for (s32 x = area.UpperLeftCorner.X; x < area.LowerRightCorner.X; ++x)
			{
				const u8* p = &rows[(y * SIZE + x) * 4];
				if (test(video::SColor(255, p[0], p[1], p[2])))
					found.push_back(core::position2di(x, y));
			}
		return found;
	}

	IrrlichtDevice* Device = nullptr;
	video::IVideoDriver* Driver = nullptr;
	scene::ISceneManager* SceneManager = nullptr;
	CVeskSceneManagerExtension* Extension = nullptr;
	hxtest::CTestCursorControl* Cursor = nullptr;
	io::IAttributes* Attributes = nullptr;
};

bool near(video::SColor a, video::SColor b, u32 tolerance = 8)
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

bool isWhite(video::SColor c)
{
	return c.getRed() > 200 && c.getGreen() > 200 && c.getBlue() > 200;
}

} // end anonymous namespace

TEST_F(OverlayDrawing, BackgroundAndTextLieOverTheScene)
{
	addRedWall();
	CVesk2DOverlayNode* overlay = addOverlay([](io::IAttributes* a) {
		a->setAttribute("Background Color", GREEN);
		a->setAttribute("Alpha", 255);
		a->setAttribute("Draw Text", true);
		a->addString("Text", "HX");
		a->addColor("TextColor", WHITE);
	});
	placeInPixels(overlay, 8, 8, 40, 20);
	ASSERT_EQ(overlay->getScreenRect(true), core::rect<s32>(8, 8, 48, 28));

	drawFrame();
	EXPECT_TRUE(colorIs(pixel(9, 9), GREEN));
	EXPECT_TRUE(colorIs(pixel(47, 27), GREEN));
	EXPECT_TRUE(colorIs(pixel(50, 50), RED));
	EXPECT_TRUE(colorIs(pixel(7, 7), RED));
	const std::vector<core::position2di> text = pixelsWhere(core::rect<s32>(0, 0, SIZE, SIZE), isWhite);
	EXPECT_FALSE(text.empty());
	for (const core::position2di& p : text)
		EXPECT_TRUE(core::rect<s32>(8, 8, 48, 28).isPointInside(p)) << p.X << "," << p.Y;
	endFrame();

	// Hidden, it is not drawn.
	overlay->setVisible(false);
	drawFrame();
	EXPECT_TRUE(colorIs(pixel(9, 9), RED));
	endFrame();
}

TEST_F(OverlayDrawing, HoverColourShowsWhileTheCursorIsOverTheOverlay)
{
	addRedWall();
	addOverlay([](io::IAttributes* a) {
		a->setAttribute("Pos X (percent)", 10.f);
		a->setAttribute("Pos Y (percent)", 10.f);
		a->setAttribute("Width (percent)", 50.f);
		a->setAttribute("Height (percent)", 50.f);
		a->setAttribute("Draw Background", false);
		a->setAttribute("OnHover Animate", true);
		a->addBool("OnHover Set BackgroundColor", true);
		a->addColor("OnHover BackgroundColor", BLUE);
	});
	struct SCase
	{
		f32 CursorX, CursorY;
		video::SColor Inside;
	};
	// The rectangle is (6, 6)-(38, 38); its edges count as inside.
	const SCase cases[] = { { 0.3f, 0.3f, BLUE }, { 0.9f, 0.3f, RED }, { 38.f / 64.f, 6.f / 64.f, BLUE },
		{ 39.f / 64.f, 0.3f, RED } };
	for (const SCase& c : cases)
	{
		Cursor->setPosition(c.CursorX, c.CursorY);
		drawFrame();
		// The hover colour keeps its alpha (the background's, 0x80), so it is blended.
		const video::SColor seen = pixel(20, 20);
		endFrame();
		const bool hovered = c.Inside == BLUE;
		EXPECT_EQ(seen.getBlue() > 100, hovered) << c.CursorX << "," << c.CursorY;
		EXPECT_EQ(seen.getRed() < 200, hovered) << c.CursorX << "," << c.CursorY;
	}
}

TEST_F(OverlayDrawing, ImageIsFilteredOnlyWhenSmooth)
{
	video::ITexture* checker = addTexture("checker", 2, 2, [](u32 x, u32 y) { return (x + y) % 2 ? WHITE : BLACK; });
	for (bool sharp : { true, false })
	{
		CVesk2DOverlayNode* overlay = addOverlay([](io::IAttributes* a) { a->setAttribute("Draw Background", false); });
		overlay->setImage(checker);
		placeInPixels(overlay, 0, 0, 32, 32);
		change(overlay, [sharp](io::IAttributes* a) { a->setAttribute("Sharp Image", sharp); });

		drawFrame();
		const std::vector<core::position2di> grey = pixelsWhere(core::rect<s32>(0, 0, 32, 32),
			[](video::SColor c) { return c.getRed() > 40 && c.getRed() < 215; });
		EXPECT_LT(pixel(8, 8).getRed(), 64u) << sharp;
		EXPECT_GT(pixel(24, 8).getRed(), 191u) << sharp;
		endFrame();
		EXPECT_EQ(grey.empty(), sharp) << grey.size();
		overlay->remove();
	}
}

TEST_F(OverlayDrawing, KeptAspectRatioFillsFromTheTopLeftCorner)
{
	addRedWall();
	video::ITexture* wide = addTexture("wide", 4, 2, [](u32, u32) { return YELLOW; });
	CVesk2DOverlayNode* overlay = addOverlay([](io::IAttributes* a) { a->setAttribute("Draw Background", false); });
	overlay->setImage(wide);
	placeInPixels(overlay, 4, 4, 40, 40);
	change(overlay, [](io::IAttributes* a) { a->setAttribute("Keep Aspect Ratio", true); });

	drawFrame();
	EXPECT_TRUE(colorIs(pixel(5, 5), YELLOW));
	EXPECT_TRUE(colorIs(pixel(42, 22), YELLOW));
	EXPECT_TRUE(colorIs(pixel(20, 26), RED));
	EXPECT_TRUE(colorIs(pixel(20, 40), RED));
	endFrame();
}

TEST_F(OverlayDrawing, InASmallerViewportRectangleAndTextLandOnItsPixels)
{
	addOverlay([](io::IAttributes* a) {
		a->setAttribute("Pos X (percent)", 50.f);
		a->setAttribute("Pos Y (percent)", 0.f);
		a->setAttribute("Width (percent)", 50.f);
		a->setAttribute("Height (percent)", 100.f);
		a->setAttribute("Background Color", GREEN);
		a->setAttribute("Alpha", 255);
	});
	CVesk2DOverlayNode* label = addOverlay([](io::IAttributes* a) {
		a->setAttribute("Draw Background", false);
		a->setAttribute("Draw Text", true);
		a->addString("Text", "W");
		a->addEnum("Alignment", 0, ALIGNMENT_NAMES);
	});
	placeInPixels(label, 4, 30, 12, 20);

	Driver->beginScene(true, true, BLACK);
	Driver->setViewPort(core::rect<s32>(32, 0, 64, 64));
	Extension->drawAll(Device->getTimer()->getTime());
	EXPECT_EQ(label->getScreenRect(false), core::rect<s32>(4, 30, 16, 50));
	EXPECT_EQ(label->getScreenRect(true), core::rect<s32>(8, 30, 32, 50));
	EXPECT_TRUE(colorIs(pixel(40, 10), BLACK));
	EXPECT_TRUE(colorIs(pixel(49, 10), GREEN));
	EXPECT_TRUE(colorIs(pixel(63, 63), GREEN));
	// Viewport pixel (4, 30) is screen pixel (36, 30); the glyph keeps its own size.
	const std::vector<core::position2di> text = pixelsWhere(core::rect<s32>(0, 0, SIZE, SIZE), isWhite);
	EXPECT_FALSE(text.empty());
	for (const core::position2di& p : text)
		EXPECT_TRUE(core::rect<s32>(36, 30, 48, 50).isPointInside(p)) << p.X << "," << p.Y;
	EXPECT_EQ(Driver->getViewPort(), core::rect<s32>(32, 0, 64, 64));
	Driver->setViewPort(core::rect<s32>(0, 0, SIZE, SIZE));
	endFrame();
}
