// The program's material renderers drawn through Mesa's software OpenGL and read back.
#include "render/CVeskDriverExtension.h"
#include "render/veskMaterialRenderers.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace irr;

namespace
{

const u32 SIZE = 64;

class MaterialRenderers : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createOpenGLDevice(SIZE, SIZE);
		ASSERT_NE(Device, nullptr) << "no OpenGL device; run under tests/support/with-display.sh";
		Driver = Device->getVideoDriver();
		ASSERT_TRUE(installVeskMaterialRenderers(Device));
		Extension = getDriverExtension(Driver);
		ASSERT_NE(Extension, nullptr);
	}
	void TearDown() override
	{
		if (Device)
			Device->drop();
	}

	//! A texture whose left half has leftAlpha and whose right half is opaque.
	video::ITexture* makeTexture(video::SColor color, u32 leftAlpha = 255)
	{
		video::IImage* image = Driver->createImage(video::ECF_A8R8G8B8, core::dimension2du(8, 8));
		for (u32 y = 0; y < 8; ++y)
			for (u32 x = 0; x < 8; ++x)
			{
				video::SColor c = color;
				c.setAlpha(x < 4 ? leftAlpha : 255);
				image->setPixel(x, y, c);
			}
		video::ITexture* texture = Driver->addTexture("test.png", image);
		image->drop();
		return texture;
	}

	//! Draws a quad over the whole window at view depth 0.5 with the program's material choke point.
	void drawQuad(const video::SMaterial& material, video::SColor vertexColor = video::SColor(0xFF404040))
	{
		core::matrix4 projection;
		projection.buildProjectionMatrixOrthoLH(2.f, 2.f, 0.f, 10.f);
		Driver->setTransform(video::ETS_PROJECTION, projection);
		Driver->setTransform(video::ETS_VIEW, core::IdentityMatrix);
		Driver->setTransform(video::ETS_WORLD, core::IdentityMatrix);
		const video::S3DVertex vertices[4] = {
			video::S3DVertex(-1, 1, 0.5f, 0, 0, -1, vertexColor, 0, 0),
			video::S3DVertex(1, 1, 0.5f, 0, 0, -1, vertexColor, 1, 0),
			video::S3DVertex(1, -1, 0.5f, 0, 0, -1, vertexColor, 1, 1),
			video::S3DVertex(-1, -1, 0.5f, 0, 0, -1, vertexColor, 0, 1),
		};
		const u16 indices[6] = { 0, 1, 2, 0, 2, 3 };
		Extension->setMaterial(material);
		Driver->drawIndexedTriangleList(vertices, 4, indices, 2);
	}

	video::SMaterial texturedMaterial(video::ITexture* texture, video::E_MATERIAL_TYPE type)
	{
		video::SMaterial material;
		material.MaterialType = type;
		material.Lighting = false;
		material.ZBuffer = 0;
		material.setTexture(0, texture);
		return material;
	}

	video::SColor pixel(s32 x, s32 y) { return hxtest::readBackBufferPixel(x, y, SIZE); }

	IrrlichtDevice* Device = nullptr;
	video::IVideoDriver* Driver = nullptr;
	CVeskDriverExtension* Extension = nullptr;
};

bool near(video::SColor a, u32 r, u32 g, u32 b, int tolerance = 3)
{
	return std::abs(int(a.getRed()) - int(r)) <= tolerance && std::abs(int(a.getGreen()) - int(g)) <= tolerance
		&& std::abs(int(a.getBlue()) - int(b)) <= tolerance;
}

} // end anonymous namespace

TEST_F(MaterialRenderers, ProgramTypesHaveTheirNumbersAndNames)
{
	EXPECT_STREQ(Driver->getMaterialRendererName(24), "trans_vertex_alpha_and_channel");
	EXPECT_TRUE(Driver->getMaterialRenderer(24)->isTransparent());
	EXPECT_NE(Driver->getMaterialRenderer(25), nullptr);
	EXPECT_NE(Driver->getMaterialRenderer(26), nullptr);
	for (s32 type : { 0, 12, 13, 14, 23 })
		EXPECT_GT(Extension->getBrighteningRenderer(type), 26) << type;
	EXPECT_EQ(Extension->getBrighteningRenderer(24), -1);
	EXPECT_EQ(Extension->getBrighteningRenderer(1), -1);
}

TEST_F(MaterialRenderers, SolidQuadWithQuarterVertexColourShowsTheTexture)
{
	video::ITexture* texture = makeTexture(video::SColor(255, 200, 100, 50));
	Driver->beginScene(true, true, video::SColor(255, 0, 0, 255));
	drawQuad(texturedMaterial(texture, video::EMT_SOLID));
	const video::SColor centre = pixel(32, 32);
	Driver->endScene();
	EXPECT_TRUE(near(centre, 200, 100, 50)) << centre.getRed() << "," << centre.getGreen() << "," << centre.getBlue();
}

TEST_F(MaterialRenderers, StoredMaterialTypeIsUnchangedByTheChokePoint)
{
	video::SMaterial material;
	material.MaterialType = video::EMT_SOLID;
	EXPECT_EQ(Extension->makeDriverMaterial(material).MaterialType, Extension->getBrighteningRenderer(0));
	EXPECT_EQ(material.MaterialType, video::EMT_SOLID);
	material.MaterialType = video::EMT_LIGHTMAP;
	EXPECT_EQ(Extension->makeDriverMaterial(material).MaterialType, video::EMT_LIGHTMAP);
}

TEST_F(MaterialRenderers, SceneFogSwitchOverridesTheMaterialFlag)
{
	struct Case { bool sceneFog; bool materialFog; bool fogged; };
	const Case cases[] = { { false, true, false }, { true, false, true }, { true, true, true }, { false, false, false } };
	video::ITexture* texture = makeTexture(video::SColor(255, 200, 100, 50));
	for (const Case& c : cases)
	{
		Driver->setFog(video::SColor(255, 0, 255, 0), video::EFT_FOG_EXP, 50, 100, 8.f, false, false);
		Extension->setFogOverride(true, c.sceneFog);
		video::SMaterial material = texturedMaterial(texture, video::EMT_SOLID);
		material.FogEnable = c.materialFog;
		Driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
		drawQuad(material);
		const video::SColor centre = pixel(32, 32);
		Driver->endScene();
		if (c.fogged)
			EXPECT_GT(centre.getGreen(), 200u) << c.sceneFog << c.materialFog;
		else
			EXPECT_TRUE(near(centre, 200, 100, 50)) << c.sceneFog << c.materialFog << " g=" << centre.getGreen();
	}
}

TEST_F(MaterialRenderers, MovingGrassDropsThinAlphaAndSwaysWithoutWind)
{
	if (!Driver->queryFeature(video::EVDF_ARB_GLSL))
		GTEST_SKIP() << "no GLSL";
	video::ITexture* texture = makeTexture(video::SColor(255, 50, 200, 50), 100);
	video::SMaterial material = texturedMaterial(texture, video::E_MATERIAL_TYPE(EVMT_MOVING_GRASS));
	Extension->setWind(1.f, 1.f);
	Extension->setFogOverride(true, false);
	ITimer* timer = Device->getTimer();
	timer->stop();

	auto frameAt = [&](u32 time) {
		timer->setTime(time);
		Driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
		drawQuad(material);
		std::vector<u8> picture = hxtest::readBackBuffer(SIZE, SIZE);
		Driver->endScene();
		return picture;
	};
	const std::vector<u8> first = frameAt(0);
	// The bottom row does not bend: left half (alpha 100/255) is not drawn, right half is.
	const size_t bottom = size_t(SIZE - 1) * SIZE * 4;
	EXPECT_EQ(first[bottom + 4 * 8 + 1], 0u);
	EXPECT_GT(first[bottom + 4 * 56 + 1], 100u);
	const std::vector<u8> later = frameAt(785);
	EXPECT_NE(first, later);
}
