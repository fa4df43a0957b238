#ifndef HX_C_HX_TIMED_TRANSFORM_ANIMATOR_H
#define HX_C_HX_TIMED_TRANSFORM_ANIMATOR_H

#include <ISceneNodeAnimator.h>
#include <vector3d.h>

//! Moves a node's position, a camera's target or a node's rotation to a value over a time, sets
//! the value exactly at the end and then removes itself from the node. Rotations are
//! interpolated spherically.
class CHXTimedTransformAnimator : public irr::scene::ISceneNodeAnimator
{
public:
	enum E_PROPERTY
	{
		EP_POSITION,
		EP_CAMERA_TARGET,
		EP_ROTATION
	};

	//! Without a start time the animation starts at the first frame that animates it.
	CHXTimedTransformAnimator(E_PROPERTY property, const irr::core::vector3df& from, const irr::core::vector3df& to,
		irr::u32 durationMs, bool hasStartTime, irr::u32 startTimeMs);

	//! Adds an animator to node that starts now by the engine timer.
	static void start(irr::scene::ISceneNode* node, E_PROPERTY property, const irr::core::vector3df& from,
		const irr::core::vector3df& to, irr::u32 durationMs);

	virtual void animateNode(irr::scene::ISceneNode* node, irr::u32 timeMs);
	virtual irr::scene::ISceneNodeAnimator* createClone(irr::scene::ISceneNode* node,
		irr::scene::ISceneManager* newManager = 0);
	virtual bool hasFinished() const { return Finished; }

private:
	void apply(irr::scene::ISceneNode* node, const irr::core::vector3df& value) const;
	irr::core::vector3df valueAt(irr::f32 fraction) const;

	E_PROPERTY Property;
	irr::core::vector3df From;
	irr::core::vector3df To;
	irr::u32 DurationMs;
	bool HasStartTime;
	irr::u32 StartTimeMs;
	bool Finished;
};

#endif
