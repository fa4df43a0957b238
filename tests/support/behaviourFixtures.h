#ifndef HX_BEHAVIOUR_FIXTURES_H
#define HX_BEHAVIOUR_FIXTURES_H

// Stand-ins that let behaviour tests run without a window: a cursor that is where the test
// puts it, a collision response that only counts jumps, and an animator that logs its calls.
#include <irrlicht.h>

#include <string>
#include <vector>

namespace hxtest
{

class CTestCursorControl : public irr::gui::ICursorControl
{
public:
	virtual void setVisible(bool visible) { Visible = visible; }
	virtual bool isVisible() const { return Visible; }
	virtual void setPosition(const irr::core::position2d<irr::f32>& pos) { Relative = pos; }
	virtual void setPosition(irr::f32 x, irr::f32 y) { Relative.set(x, y); }
	virtual void setPosition(const irr::core::position2d<irr::s32>& pos) { setPosition(pos.X, pos.Y); }
	virtual void setPosition(irr::s32 x, irr::s32 y) { Relative.set(x / 600.f, y / 600.f); }
	virtual const irr::core::position2d<irr::s32>& getPosition()
	{
		Absolute.set(irr::s32(Relative.X * 600.f), irr::s32(Relative.Y * 600.f));
		return Absolute;
	}
	virtual irr::core::position2d<irr::f32> getRelativePosition() { return Relative; }
	virtual void setReferenceRect(irr::core::rect<irr::s32>* rect = 0) {}

	bool Visible = true;
	irr::core::position2df Relative = irr::core::position2df(0.5f, 0.5f);
	irr::core::position2di Absolute;
};

//! Jumps are counted; falling is whatever the test sets. Answers the collision response's type id.
class CTestCollisionResponse : public irr::scene::ISceneNodeAnimatorCollisionResponse
{
public:
	virtual void animateNode(irr::scene::ISceneNode* node, irr::u32 timeMs) {}
	virtual irr::scene::ISceneNodeAnimator* createClone(irr::scene::ISceneNode* node, irr::scene::ISceneManager* newManager = 0) { return 0; }
	virtual irr::scene::ESCENE_NODE_ANIMATOR_TYPE getType() const { return irr::scene::ESCENE_NODE_ANIMATOR_TYPE(103); }
	virtual bool isFalling() const { return Falling; }
	virtual void setEllipsoidRadius(const irr::core::vector3df& radius) {}
	virtual irr::core::vector3df getEllipsoidRadius() const { return irr::core::vector3df(); }
	virtual void setGravity(const irr::core::vector3df& gravity) {}
	virtual irr::core::vector3df getGravity() const { return irr::core::vector3df(); }
	virtual void jump(irr::f32 jumpSpeed) { Jumps.push_back(jumpSpeed); }
	virtual void setAnimateTarget(bool enable) {}
	virtual bool getAnimateTarget() const { return false; }
	virtual void setEllipsoidTranslation(const irr::core::vector3df& translation) {}
	virtual irr::core::vector3df getEllipsoidTranslation() const { return irr::core::vector3df(); }
	virtual void setWorld(irr::scene::ITriangleSelector* newWorld) { World = newWorld; }
	virtual irr::scene::ITriangleSelector* getWorld() const { return World; }
	virtual void setTargetNode(irr::scene::ISceneNode* node) {}
	virtual irr::scene::ISceneNode* getTargetNode() const { return 0; }
	virtual bool collisionOccurred() const { return false; }
	virtual const irr::core::vector3df& getCollisionPoint() const { return Nowhere; }
	virtual const irr::core::triangle3df& getCollisionTriangle() const { return NoTriangle; }
	virtual const irr::core::vector3df& getCollisionResultPosition() const { return Nowhere; }
	virtual irr::scene::ISceneNode* getCollisionNode() const { return 0; }
	virtual void setCollisionCallback(irr::scene::ICollisionCallback* callback) {}

	bool Falling = false;
	std::vector<irr::f32> Jumps;
	irr::scene::ITriangleSelector* World = 0;
	irr::core::vector3df Nowhere;
	irr::core::triangle3df NoTriangle;
};

//! Writes "name@time" (or "name:event") into a shared log; may remove itself on its first call.
class CLoggingAnimator : public irr::scene::ISceneNodeAnimator
{
public:
	CLoggingAnimator(std::vector<std::string>& log, const char* name, bool removesItself = false)
		: Log(log), Name(name), RemovesItself(removesItself) {}
	virtual void animateNode(irr::scene::ISceneNode* node, irr::u32 timeMs)
	{
		if (!StartTime)
			StartTime = timeMs;
		Log.push_back(Name + "@" + std::to_string(timeMs - StartTime));
		if (RemovesItself)
			node->removeAnimator(this);
	}
	virtual irr::scene::ISceneNodeAnimator* createClone(irr::scene::ISceneNode* node, irr::scene::ISceneManager* newManager = 0) { return 0; }
	virtual bool OnEvent(const irr::SEvent& event)
	{
		Log.push_back(Name + ":" + std::to_string(int(event.EventType)));
		return Consumes;
	}

	std::vector<std::string>& Log;
	std::string Name;
	bool RemovesItself;
	bool Consumes = false;
	irr::u32 StartTime = 0;
};

inline irr::SEvent keyEvent(irr::EKEY_CODE key, bool pressed)
{
	irr::SEvent event;
	event.EventType = irr::EET_KEY_INPUT_EVENT;
	event.KeyInput.Key = key;
	event.KeyInput.PressedDown = pressed;
	event.KeyInput.Char = 0;
	event.KeyInput.Shift = false;
	event.KeyInput.Control = false;
	return event;
}

inline irr::SEvent mouseEvent(irr::EMOUSE_INPUT_EVENT kind, irr::f32 wheel = 0.f)
{
	irr::SEvent event;
	event.EventType = irr::EET_MOUSE_INPUT_EVENT;
	event.MouseInput.Event = kind;
	event.MouseInput.X = 0;
	event.MouseInput.Y = 0;
	event.MouseInput.Wheel = wheel;
	event.MouseInput.Shift = false;
	event.MouseInput.Control = false;
	event.MouseInput.ButtonStates = 0;
	return event;
}

} // end namespace hxtest

#endif
