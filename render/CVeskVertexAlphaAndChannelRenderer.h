#ifndef HX_C_VESK_VERTEX_ALPHA_AND_CHANNEL_RENDERER_H
#define HX_C_VESK_VERTEX_ALPHA_AND_CHANNEL_RENDERER_H

#include <IMaterialRenderer.h>
#include <IVideoDriver.h>

class CVeskDriverExtension;

//! Blends with the product of texture alpha and vertex alpha, and drops fully transparent
//! pixels by alpha test, so both fades and cut-out textures work in one material.
//! The driver owns its renderers and drops them when it goes; this one also holds the
//! program's driver state, so that state lives exactly as long as the driver.
class CVeskVertexAlphaAndChannelRenderer : public irr::video::IMaterialRenderer
{
public:
	//! Grabs the driver state.
	explicit CVeskVertexAlphaAndChannelRenderer(CVeskDriverExtension* extension);
	virtual ~CVeskVertexAlphaAndChannelRenderer();

	CVeskDriverExtension* getDriverExtension() const { return Extension; }

	//! The driver state held by driver's renderer of the given type, or null when that
	//! renderer is not one of these.
	static CVeskDriverExtension* findDriverExtension(irr::video::IVideoDriver* driver, irr::s32 materialType);

	virtual void OnSetMaterial(const irr::video::SMaterial& material, const irr::video::SMaterial& lastMaterial,
		bool resetAllRenderstates, irr::video::IMaterialRendererServices* services);
	virtual void OnUnsetMaterial();
	virtual bool isTransparent() const { return true; }

private:
	CVeskDriverExtension* Extension;
};

#endif
