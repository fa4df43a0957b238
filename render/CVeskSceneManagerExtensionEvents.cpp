#include "render/CVeskSceneManagerExtension.h"

#include <ICameraSceneNode.h>
#include <ISceneManager.h>
#include <ISceneNodeAnimator.h>

using namespace irr;

void CVeskSceneManagerExtension::registerEventBehaviour(scene::ISceneNodeAnimator* behaviour)
{
	if (!behaviour || isEventBehaviourRegistered(behaviour))
		return;
	behaviour->grab();
	EventBehaviours.push_back(behaviour);
}

void CVeskSceneManagerExtension::unregisterEventBehaviour(scene::ISceneNodeAnimator* behaviour)
{
	const s32 index = EventBehaviours.linear_search(behaviour);
	if (index < 0)
		return;
	EventBehaviours.erase(u32(index));
	behaviour->drop();
}

bool CVeskSceneManagerExtension::isEventBehaviourRegistered(scene::ISceneNodeAnimator* behaviour) const
{
	return EventBehaviours.linear_search(behaviour) >= 0;
}

bool CVeskSceneManagerExtension::postEventFromUser(const SEvent& event)
{
	scene::ICameraSceneNode* camera = SceneManager ? SceneManager->getActiveCamera() : 0;
	if (camera && camera->OnEvent(event))
		return true;
	// A behaviour may register or unregister behaviours (itself included) while it takes the
	// event: the length is read again each step and the one called is kept alive. When it
	// took itself or an earlier one out, the next behaviour has moved into its place.
	u32 i = 0;
	while (i < EventBehaviours.size())
	{
		scene::ISceneNodeAnimator* behaviour = EventBehaviours[i];
		behaviour->grab();
		const bool consumed = behaviour->OnEvent(event);
		const bool stillInPlace = i < EventBehaviours.size() && EventBehaviours[i] == behaviour;
		behaviour->drop();
		if (consumed)
			return true;
		if (stillInPlace)
			++i;
	}
	return false;
}
