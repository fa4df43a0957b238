#include "behaviours/veskBehaviourFactory.h"
#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "behaviours/CVeskAnimatorCameraModelViewer.h"
#include "behaviours/CVeskAnimatorOnClick.h"
#include "behaviours/CVeskAnimatorOnCollide.h"
#include "behaviours/CVeskAnimatorOnFirstFrame.h"
#include "behaviours/CVeskAnimatorOnKeyPress.h"
#include "behaviours/CVeskAnimatorOnMouseMove.h"
#include "behaviours/CVeskAnimatorTimer.h"
#include "document/veskTypeCodes.h"

using namespace irr;

namespace
{

template <class T>
scene::ISceneNodeAnimator* made(T* behaviour, IVeskSerializationSupport** outSerialization)
{
	if (outSerialization)
		*outSerialization = behaviour;
	return behaviour;
}

} // end anonymous namespace

scene::ISceneNodeAnimator* createBehaviour(s32 typeId, scene::ISceneManager* sceneManager,
	gui::ICursorControl* cursorControl, IVeskSerializationSupport** outSerialization)
{
	if (outSerialization)
		*outSerialization = 0;
	switch (typeId)
	{
	case EVBT_CAMERA_FPS:
		return made(new scene::CVeskAnimatorCameraFPS(sceneManager, cursorControl), outSerialization);
	case EVBT_CAMERA_MODEL_VIEWER:
		return made(new scene::CVeskAnimatorCameraModelViewer(sceneManager, cursorControl), outSerialization);
	case EVBT_ON_CLICK:
		return made(new scene::CVeskAnimatorOnClick(sceneManager), outSerialization);
	case EVBT_ON_COLLIDE:
		return made(new scene::CVeskAnimatorOnCollide(sceneManager), outSerialization);
	case EVBT_ON_MOUSE_MOVE:
		return made(new scene::CVeskAnimatorOnMouseMove(sceneManager, cursorControl), outSerialization);
	case EVBT_TIMER:
		return made(new scene::CVeskAnimatorTimer(sceneManager), outSerialization);
	case EVBT_ON_KEY_PRESS:
		return made(new scene::CVeskAnimatorOnKeyPress(sceneManager), outSerialization);
	case EVBT_ON_FIRST_FRAME:
		return made(new scene::CVeskAnimatorOnFirstFrame(sceneManager), outSerialization);
	default:
		// The other behaviour classes do not exist in this player yet; their records are
		// skipped like those of unknown ids.
		return 0;
	}
}
