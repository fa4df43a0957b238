#include "behaviours/veskBehaviourFactory.h"
#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "behaviours/CVeskAnimatorCameraModelViewer.h"
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
	default:
		// The other behaviour classes do not exist in this player yet; their records are
		// skipped like those of unknown ids.
		return 0;
	}
}
