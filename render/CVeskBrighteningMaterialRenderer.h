#ifndef HX_C_VESK_BRIGHTENING_MATERIAL_RENDERER_H
#define HX_C_VESK_BRIGHTENING_MATERIAL_RENDERER_H

#include <IMaterialRenderer.h>

//! Draws like a stock renderer, then makes texture unit 0 combine texture and primary colour
//! with an RGB scale of 4: authored colours and lights are a quarter of their visible value.
class CVeskBrighteningMaterialRenderer : public irr::video::IMaterialRenderer
{
public:
	//! Grabs the stock renderer it stands in front of.
	explicit CVeskBrighteningMaterialRenderer(irr::video::IMaterialRenderer* stockRenderer);
	virtual ~CVeskBrighteningMaterialRenderer();

	virtual void OnSetMaterial(const irr::video::SMaterial& material, const irr::video::SMaterial& lastMaterial,
		bool resetAllRenderstates, irr::video::IMaterialRendererServices* services);
	virtual bool OnRender(irr::video::IMaterialRendererServices* service, irr::video::E_VERTEX_TYPE vertexType);
	virtual void OnUnsetMaterial();
	virtual bool isTransparent() const;
	virtual irr::s32 getRenderCapability() const;

private:
	irr::video::IMaterialRenderer* StockRenderer;
};

#endif
