#ifndef HX_VESK_MATERIAL_RENDERERS_H
#define HX_VESK_MATERIAL_RENDERERS_H

#include <IrrlichtDevice.h>

class CVeskDriverExtension;

//! The program's material types, right after the engine's own.
enum E_VESK_MATERIAL_TYPE
{
	EVMT_TRANS_VERTEX_ALPHA_AND_CHANNEL = 24,
	EVMT_VERTEX_ALPHA_TWO_TEXTURE_BLEND = 25,
	EVMT_MOVING_GRASS = 26
};

//! Registers the program's material renderers on a fresh device's driver, so that they get
//! exactly the numbers 24, 25 and 26, then the brightening renderers behind them. Answers false
//! (with a log line) when the driver handed out other numbers; the device is then unusable for
//! documents. Call once, before anything else adds renderers.
bool installVeskMaterialRenderers(irr::IrrlichtDevice* device);

//! The driver's program state, or null when installVeskMaterialRenderers was not called.
CVeskDriverExtension* getDriverExtension(irr::video::IVideoDriver* driver);

//! Where every program node sets its material: through the driver's program state when the
//! device has one (fog override, brightening), else straight to the driver.
void setVeskMaterial(irr::video::IVideoDriver* driver, const irr::video::SMaterial& material);

#endif
