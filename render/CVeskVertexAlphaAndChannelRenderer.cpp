#include "render/CVeskVertexAlphaAndChannelRenderer.h"

#include "render/CVeskDriverExtension.h"
#include "render/textureCombine.h"

#include <IMaterialRendererServices.h>

#include <GL/gl.h>

using namespace irr;

namespace
{

// Every material set by a program node looks its driver state up; the last holder found is
// kept instead of a type check each time. It is forgotten when that holder is destroyed.
video::IVideoDriver* LastDriver = 0;
CVeskVertexAlphaAndChannelRenderer* LastHolder = 0;

} // end anonymous namespace

CVeskDriverExtension* CVeskVertexAlphaAndChannelRenderer::findDriverExtension(video::IVideoDriver* driver, s32 materialType)
{
	if (!driver || materialType < 0 || driver->getMaterialRendererCount() <= u32(materialType))
		return 0;
	video::IMaterialRenderer* renderer = driver->getMaterialRenderer(u32(materialType));
	if (driver != LastDriver || renderer != LastHolder)
	{
		CVeskVertexAlphaAndChannelRenderer* holder = dynamic_cast<CVeskVertexAlphaAndChannelRenderer*>(renderer);
		if (!holder)
			return 0;
		LastDriver = driver;
		LastHolder = holder;
	}
	return LastHolder->getDriverExtension();
}

CVeskVertexAlphaAndChannelRenderer::CVeskVertexAlphaAndChannelRenderer(CVeskDriverExtension* extension)
	: Extension(extension)
{
	Extension->grab();
}

CVeskVertexAlphaAndChannelRenderer::~CVeskVertexAlphaAndChannelRenderer()
{
	if (LastHolder == this)
	{
		LastDriver = 0;
		LastHolder = 0;
	}
	Extension->drop();
}

void CVeskVertexAlphaAndChannelRenderer::OnSetMaterial(const video::SMaterial& material,
	const video::SMaterial& lastMaterial, bool resetAllRenderstates, video::IMaterialRendererServices* services)
{
	services->setBasicRenderStates(material, lastMaterial, resetAllRenderstates);
	setTextureCombineScale(1.f);
	glEnable(GL_BLEND);
	glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
	glEnable(GL_ALPHA_TEST);
	glAlphaFunc(GL_GREATER, 0.f);
}

void CVeskVertexAlphaAndChannelRenderer::OnUnsetMaterial()
{
	glDisable(GL_ALPHA_TEST);
	glDisable(GL_BLEND);
	resetTextureCombine();
}
