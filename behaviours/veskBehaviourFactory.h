#ifndef HX_VESK_BEHAVIOUR_FACTORY_H
#define HX_VESK_BEHAVIOUR_FACTORY_H

#include <irrTypes.h>

namespace irr
{
namespace gui
{
class ICursorControl;
}
namespace scene
{
class ISceneManager;
class ISceneNodeAnimator;
}
}

class IVeskSerializationSupport;

//! Creates the behaviour class of a stored type id with its construction defaults. One
//! reference for the caller; null for an id without a class in this player. The class's
//! payload interface is stored through outSerialization when it is given.
irr::scene::ISceneNodeAnimator* createBehaviour(irr::s32 typeId, irr::scene::ISceneManager* sceneManager,
	irr::gui::ICursorControl* cursorControl, IVeskSerializationSupport** outSerialization = 0);

#endif
