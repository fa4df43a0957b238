#ifndef HX_C_VESK_MOVING_GRASS_SHADER_CALLBACK_H
#define HX_C_VESK_MOVING_GRASS_SHADER_CALLBACK_H

#include <IShaderConstantSetCallBack.h>
#include <ITimer.h>

class CVeskDriverExtension;

//! Sets the moving-grass program's constants for every draw: transformations, the first
//! directional light and four point lights in object space, fog and the wind.
class CVeskMovingGrassShaderCallback : public irr::video::IShaderConstantSetCallBack
{
public:
	//! Keeps plain pointers: both live as long as the driver that owns this callback's material.
	CVeskMovingGrassShaderCallback(CVeskDriverExtension* extension, irr::ITimer* timer);

	virtual void OnSetMaterial(const irr::video::SMaterial& material);
	virtual void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData);

	//! The wind phase for a time: (time × speed / 500) modulo 1000.
	static irr::f32 computeGrassMovement(irr::u32 timeMs, irr::f32 windSpeed);

private:
	CVeskDriverExtension* Extension;
	irr::ITimer* Timer;
	bool Lighting;
};

#endif
