#include "render/CVeskVertexAlphaAndChannelRenderer.h"

#include "render/CVeskDriverExtension.h"
#include "render/textureCombine.h"

#include <IMaterialRendererServices.h>

#include <GL/gl.h>

using namespace irr;

CVeskVertexAlphaAndChannelRenderer::CVeskVertexAlphaAndChannelRenderer(CVeskDriverExtension* extension)
	: Extension(extension)
{
	Extension->grab();
}

CVeskVertexAlphaAndChannelRenderer::~CVeskVertexAlphaAndChannelRenderer()
{
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
