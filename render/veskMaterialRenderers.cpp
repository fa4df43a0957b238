#include "render/veskMaterialRenderers.h"

#include "render/CVeskBrighteningMaterialRenderer.h"
#include "render/CVeskDriverExtension.h"
#include "render/CVeskMovingGrassShaderCallback.h"
#include "render/CVeskVertexAlphaAndChannelRenderer.h"
#include "render/veskMaterialPrograms.h"

#include <IGPUProgrammingServices.h>
#include <ILogger.h>
#include <IVideoDriver.h>

using namespace irr;

namespace
{

const video::E_MATERIAL_TYPE BRIGHTENED_STOCK_TYPES[] = { video::EMT_SOLID, video::EMT_TRANSPARENT_ADD_COLOR,
	video::EMT_TRANSPARENT_ALPHA_CHANNEL, video::EMT_TRANSPARENT_ALPHA_CHANNEL_REF, video::EMT_ONETEXTURE_BLEND };

s32 addTwoTextureBlend(video::IVideoDriver* driver)
{
	video::IGPUProgrammingServices* gpu = driver->getGPUProgrammingServices();
	if (gpu && driver->queryFeature(video::EVDF_ARB_VERTEX_PROGRAM_1) && driver->queryFeature(video::EVDF_ARB_FRAGMENT_PROGRAM_1))
	{
		// Vertices go through the fixed pipeline, which lights them and computes the fog coordinate.
		const s32 type = gpu->addShaderMaterial(0, VESK_TWO_TEXTURE_BLEND_FRAGMENT_PROGRAM, 0, video::EMT_SOLID, 0);
		if (type >= 0)
			return type;
	}
	return driver->addMaterialRenderer(driver->getMaterialRenderer(video::EMT_SOLID), "vertex_alpha_two_texture_blend");
}

s32 addMovingGrass(IrrlichtDevice* device, CVeskDriverExtension* extension)
{
	video::IVideoDriver* driver = device->getVideoDriver();
	video::IGPUProgrammingServices* gpu = driver->getGPUProgrammingServices();
	if (gpu && driver->queryFeature(video::EVDF_ARB_GLSL))
	{
		CVeskMovingGrassShaderCallback* callback = new CVeskMovingGrassShaderCallback(extension, device->getTimer());
		const s32 type = gpu->addHighLevelShaderMaterial(VESK_MOVING_GRASS_VERTEX_SHADER, "main", video::EVST_VS_1_1,
			VESK_MOVING_GRASS_PIXEL_SHADER, "main", video::EPST_PS_1_1, callback, video::EMT_TRANSPARENT_ALPHA_CHANNEL_REF);
		callback->drop();
		if (type >= 0)
			return type;
	}
	// Without shaders the number is still taken, so stored materials keep their meaning.
	return driver->addMaterialRenderer(driver->getMaterialRenderer(video::EMT_TRANSPARENT_ALPHA_CHANNEL_REF));
}

} // end anonymous namespace

bool installVeskMaterialRenderers(IrrlichtDevice* device)
{
	video::IVideoDriver* driver = device ? device->getVideoDriver() : 0;
	if (!driver)
		return false;
	CVeskDriverExtension* extension = new CVeskDriverExtension(driver);
	CVeskVertexAlphaAndChannelRenderer* vertexAlpha = new CVeskVertexAlphaAndChannelRenderer(extension);
	const s32 vertexAlphaType = driver->addMaterialRenderer(vertexAlpha, "trans_vertex_alpha_and_channel");
	vertexAlpha->drop();
	const s32 twoTextureType = addTwoTextureBlend(driver);
	const s32 grassType = addMovingGrass(device, extension);
	bool numbered = vertexAlphaType == EVMT_TRANS_VERTEX_ALPHA_AND_CHANNEL
		&& twoTextureType == EVMT_VERTEX_ALPHA_TWO_TEXTURE_BLEND && grassType == EVMT_MOVING_GRASS;

	for (u32 i = 0; i < sizeof(BRIGHTENED_STOCK_TYPES) / sizeof(BRIGHTENED_STOCK_TYPES[0]); ++i)
	{
		video::IMaterialRenderer* stock = driver->getMaterialRenderer(BRIGHTENED_STOCK_TYPES[i]);
		if (!stock)
			continue;
		CVeskBrighteningMaterialRenderer* brightening = new CVeskBrighteningMaterialRenderer(stock);
		const s32 type = driver->addMaterialRenderer(brightening);
		brightening->drop();
		extension->setBrighteningRenderer(BRIGHTENED_STOCK_TYPES[i], type);
	}
	extension->drop();

	if (!numbered)
		device->getLogger()->log("The program's material types did not get the numbers 24, 25 and 26", ELL_ERROR);
	return numbered;
}

CVeskDriverExtension* getDriverExtension(video::IVideoDriver* driver)
{
	return CVeskVertexAlphaAndChannelRenderer::findDriverExtension(driver, EVMT_TRANS_VERTEX_ALPHA_AND_CHANNEL);
}

void setVeskMaterial(video::IVideoDriver* driver, const video::SMaterial& material)
{
	CVeskDriverExtension* extension = getDriverExtension(driver);
	if (extension)
		extension->setMaterial(material);
	else
		driver->setMaterial(material);
}
