#ifndef HX_I_VESK_WORLD_SELECTOR_USER_H
#define HX_I_VESK_WORLD_SELECTOR_USER_H

namespace irr
{
namespace scene
{
class ITriangleSelector;
}
}

//! A behaviour that tests against the scene's world geometry (clicks, mouse moves, cameras
//! that keep out of walls, game characters); the player hands it the world selector when
//! the scene is first made current.
class IVeskWorldSelectorUser
{
public:
	virtual void setWorldSelector(irr::scene::ITriangleSelector* selector) = 0;

protected:
	~IVeskWorldSelectorUser() {}
};

#endif
