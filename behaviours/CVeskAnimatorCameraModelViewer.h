#ifndef HX_C_VESK_ANIMATOR_CAMERA_MODEL_VIEWER_H
#define HX_C_VESK_ANIMATOR_CAMERA_MODEL_VIEWER_H

#include "behaviours/SCameraMouseTracking.h"
#include "behaviours/IVeskAnimationDrawerSupport.h"
#include "behaviours/IVeskAnimatorAdditions.h"
#include "document/IVeskSerializationSupport.h"

#include <ISceneNodeAnimator.h>
#include <position2d.h>

namespace irr
{
namespace gui
{
class ICursorControl;
}
namespace scene
{

class ICameraSceneNode;

//! Orbits the camera around its target at a fixed radius, with optional inertia and zooming
//! by the mouse wheel. Acts only on the program's camera node, while it is the active camera.
class CVeskAnimatorCameraModelViewer : public ISceneNodeAnimator, public IVeskSerializationSupport,
	public IVeskAnimationDrawerSupport, public IVeskAnimatorAdditions
{
public:
	CVeskAnimatorCameraModelViewer(ISceneManager* sceneManager, gui::ICursorControl* cursorControl, f32 rotateSpeed = 300.f);
	virtual ~CVeskAnimatorCameraModelViewer();

	virtual void animateNode(ISceneNode* node, u32 timeMs);
	virtual ISceneNodeAnimator* createClone(ISceneNode* node, ISceneManager* newManager = 0);
	virtual bool isEventReceiverEnabled() const { return true; }
	virtual bool OnEvent(const SEvent& event);
	virtual ESCENE_NODE_ANIMATOR_TYPE getType() const;
	virtual void serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options = 0);

	virtual f32 getRotateSpeed() const { return RotateSpeed; }
	virtual void setRotateSpeed(f32 speed) { RotateSpeed = speed; }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);
	//! Three circles of the orbit's radius around the camera's target.
	virtual void drawAnimation(video::IVideoDriver* driver, ISceneNode* node, video::SColor colour);

	bool getLookOnlyWhenMouseDown() const { return LookOnlyWhenMouseDown; }
	void setLookOnlyWhenMouseDown(bool on) { LookOnlyWhenMouseDown = on; }
	f32 getRadius() const { return Radius; }
	void setRadius(f32 radius) { Radius = radius; }
	void setVerticalMovement(bool allow) { NoVerticalMovement = !allow; }
	//! speed 0 (or no slide) stops the orbit when the mouse stops.
	void setSliding(bool slide, f32 speed);
	void setZooming(bool allow, f32 minZoom, f32 maxZoom, f32 zoomSpeed);

private:
	enum
	{
		FLAG_LOOK_ONLY_WHEN_MOUSE_DOWN = 1,
		FLAG_SLIDE_AFTER_MOVEMENT_END = 2,
		FLAG_ALLOW_ZOOMING = 4
	};

	void recentreCursor();
	//! Adds the inertia to one component of this frame's rotation.
	void slide(f32& rotation, f32& velocity, u32 timeDiff);
	void zoom(ICameraSceneNode* camera);
	//! pos moved onto the orbit around target.
	core::vector3df onOrbit(const core::vector3df& pos, const core::vector3df& target) const;

	gui::ICursorControl* CursorControl;
	f32 RotateSpeed;
	f32 Radius;
	u32 LastAnimationTime;
	core::position2df CenterCursor;
	SCameraMouseTracking Mouse;
	bool SlideAfterMovementEnd;
	f32 SlidingSpeed;
	bool AllowZooming;
	f32 MinZoom;
	f32 MaxZoom;
	f32 ZoomSpeed;
	bool NoVerticalMovement;
	f32 ZoomTarget;
	bool FirstUpdate;
	bool WasInactive;
	bool LookOnlyWhenMouseDown;
	core::vector2df SlideVelocity;
	f32 LockedHeight;
	ISceneManager* SceneManager;
};

} // end namespace scene
} // end namespace irr

#endif
