#include "actions/CHXTimedTransformAnimator.h"

#include "actions/veskActionServices.h"
#include "actions/veskCameraNode.h"

#include <ICameraSceneNode.h>
#include <ISceneNode.h>
#include <quaternion.h>

using namespace irr;

CHXTimedTransformAnimator::CHXTimedTransformAnimator(E_PROPERTY property, const core::vector3df& from,
	const core::vector3df& to, u32 durationMs, bool hasStartTime, u32 startTimeMs)
	: Property(property), From(from), To(to), DurationMs(durationMs), HasStartTime(hasStartTime),
	  StartTimeMs(startTimeMs), Finished(false)
{
}

void CHXTimedTransformAnimator::start(scene::ISceneNode* node, E_PROPERTY property, const core::vector3df& from,
	const core::vector3df& to, u32 durationMs)
{
	u32 now = 0;
	const bool hasNow = getActionTime(now);
	CHXTimedTransformAnimator* animator = new CHXTimedTransformAnimator(property, from, to, durationMs, hasNow, now);
	node->addAnimator(animator);
	animator->drop();
}

void CHXTimedTransformAnimator::animateNode(scene::ISceneNode* node, u32 timeMs)
{
	if (!node || Finished)
		return;
	if (!HasStartTime)
	{
		HasStartTime = true;
		StartTimeMs = timeMs;
	}
	const u32 elapsed = timeMs - StartTimeMs;
	if (elapsed < DurationMs)
	{
		apply(node, valueAt(f32(elapsed) / f32(DurationMs)));
		return;
	}
	apply(node, To);
	Finished = true;
	// The node may hold the last reference: nothing may touch this object afterwards.
	node->removeAnimator(this);
}

core::vector3df CHXTimedTransformAnimator::valueAt(f32 fraction) const
{
	if (Property != EP_ROTATION)
		return From + (To - From) * fraction;
	core::quaternion from(From * core::DEGTORAD);
	core::quaternion to(To * core::DEGTORAD);
	core::quaternion between;
	between.slerp(from, to, fraction);
	core::vector3df euler;
	between.toEuler(euler);
	return euler * core::RADTODEG;
}

void CHXTimedTransformAnimator::apply(scene::ISceneNode* node, const core::vector3df& value) const
{
	switch (Property)
	{
	case EP_POSITION:
		node->setPosition(value);
		break;
	case EP_CAMERA_TARGET:
		if (scene::ICameraSceneNode* camera = asCameraNode(node))
			camera->setTarget(value);
		break;
	case EP_ROTATION:
		node->setRotation(value);
		break;
	}
}

scene::ISceneNodeAnimator* CHXTimedTransformAnimator::createClone(scene::ISceneNode* node, scene::ISceneManager* newManager)
{
	return new CHXTimedTransformAnimator(Property, From, To, DurationMs, HasStartTime, StartTimeMs);
}
