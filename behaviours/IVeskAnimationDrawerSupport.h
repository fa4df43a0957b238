#ifndef HX_I_VESK_ANIMATION_DRAWER_SUPPORT_H
#define HX_I_VESK_ANIMATION_DRAWER_SUPPORT_H

#include <SColor.h>

namespace irr
{
namespace scene
{
class ISceneNode;
}
namespace video
{
class IVideoDriver;
}
}

//! Draws a behaviour's guide geometry (paths, orbits, ellipsoids) for an editing view.
class IVeskAnimationDrawerSupport
{
public:
	virtual void drawAnimation(irr::video::IVideoDriver* driver, irr::scene::ISceneNode* node, irr::video::SColor colour) {}

protected:
	~IVeskAnimationDrawerSupport() {}
};

#endif
