#ifndef HX_I_SCENE_DRAW_CALLBACKS_H
#define HX_I_SCENE_DRAW_CALLBACKS_H

namespace irr
{
namespace video
{
class IVideoDriver;
}
}

//! Hooks called while a scene manager draws its registered lists, for drawers that change
//! the driver's state around some of the passes (a reflection's projection, for example).
//! The caller keeps the object alive for the call; it is not reference counted.
class ISceneDrawCallbacks
{
public:
	virtual ~ISceneDrawCallbacks() {}

	//! Called after the shadow pass, before the transparent pass.
	virtual void afterShadowPass(irr::video::IVideoDriver* driver) = 0;

	//! Called after the sky boxes, before the solid pass.
	virtual void beforeSolidPass(irr::video::IVideoDriver* driver) = 0;
};

#endif
