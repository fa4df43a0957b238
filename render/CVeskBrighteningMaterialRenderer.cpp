#include "render/CVeskBrighteningMaterialRenderer.h"

#include "render/textureCombine.h"

using namespace irr;

CVeskBrighteningMaterialRenderer::CVeskBrighteningMaterialRenderer(video::IMaterialRenderer* stockRenderer)
	: StockRenderer(stockRenderer)
{
	StockRenderer->grab();
}

CVeskBrighteningMaterialRenderer::~CVeskBrighteningMaterialRenderer()
{
	StockRenderer->drop();
}

void CVeskBrighteningMaterialRenderer::OnSetMaterial(const video::SMaterial& material,
	const video::SMaterial& lastMaterial, bool resetAllRenderstates, video::IMaterialRendererServices* services)
{
	StockRenderer->OnSetMaterial(material, lastMaterial, resetAllRenderstates, services);
	setTextureCombineScale(4.f);
}

bool CVeskBrighteningMaterialRenderer::OnRender(video::IMaterialRendererServices* service, video::E_VERTEX_TYPE vertexType)
{
	return StockRenderer->OnRender(service, vertexType);
}

void CVeskBrighteningMaterialRenderer::OnUnsetMaterial()
{
	resetTextureCombine();
	StockRenderer->OnUnsetMaterial();
}

bool CVeskBrighteningMaterialRenderer::isTransparent() const
{
	return StockRenderer->isTransparent();
}

s32 CVeskBrighteningMaterialRenderer::getRenderCapability() const
{
	return StockRenderer->getRenderCapability();
}
