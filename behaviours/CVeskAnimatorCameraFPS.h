#ifndef HX_C_VESK_ANIMATOR_CAMERA_FPS_H
#define HX_C_VESK_ANIMATOR_CAMERA_FPS_H

#include "behaviours/SCameraMouseTracking.h"
#include "behaviours/IVeskAnimationDrawerSupport.h"
#include "behaviours/IVeskAnimatorAdditions.h"
#include "document/IVeskSerializationSupport.h"

#include <ISceneNodeAnimatorCameraFPS.h>
#include <SKeyMap.h>
#include <position2d.h>

namespace irr
{
namespace gui
{
class ICursorControl;
}
namespace scene
{

//! Walks and looks around with keys and mouse; jumps through a collision response on the
//! same camera. Acts only on the program's camera node while it is the active camera.
class CVeskAnimatorCameraFPS : public ISceneNodeAnimatorCameraFPS, public IVeskSerializationSupport,
	public IVeskAnimationDrawerSupport, public IVeskAnimatorAdditions
{
public:
	//! One key action with up to two keys (KeyCode2 0: none).
	struct SCamKeyMap
	{
		SCamKeyMap(s32 action = 0, s32 keyCode = 0, s32 keyCode2 = 0) : Action(action), KeyCode(keyCode), KeyCode2(keyCode2) {}
		s32 Action;
		s32 KeyCode;
		s32 KeyCode2;
	};

	//! keyMap null gives the default map (arrow keys and W, S, A, D; space jumps).
	CVeskAnimatorCameraFPS(ISceneManager* sceneManager, gui::ICursorControl* cursorControl,
		const SCamKeyMap* keyMap = 0, u32 keyMapSize = 0, bool noVerticalMovement = false,
		f32 rotateSpeed = 300.f, f32 moveSpeed = 0.1f, f32 jumpSpeed = 4.f);
	virtual ~CVeskAnimatorCameraFPS();

	virtual void animateNode(ISceneNode* node, u32 timeMs);
	virtual ISceneNodeAnimator* createClone(ISceneNode* node, ISceneManager* newManager = 0);
	virtual bool isEventReceiverEnabled() const { return true; }
	virtual bool OnEvent(const SEvent& event);
	virtual ESCENE_NODE_ANIMATOR_TYPE getType() const;
	virtual void serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options = 0);

	virtual void restart();

	virtual f32 getMoveSpeed() const { return MoveSpeed; }
	virtual void setMoveSpeed(f32 moveSpeed) { MoveSpeed = moveSpeed; }
	virtual f32 getRotateSpeed() const { return RotateSpeed; }
	virtual void setRotateSpeed(f32 rotateSpeed) { RotateSpeed = rotateSpeed; }
	//! Takes the actions forward to jump only, each with one key; clears the key states.
	virtual void setKeyMap(SKeyMap* map, u32 count);
	virtual void setKeyMap(const core::array<SKeyMap>& keyMap);
	//! The first key of each entry.
	virtual const core::array<SKeyMap>& getKeyMap() const { return EngineKeyMap; }
	virtual void setVerticalMovement(bool allow) { NoVerticalMovement = !allow; }
	//! Moving the mouse up looks down.
	virtual void setInvertMouse(bool invert) { InvertMouse = invert; }
	virtual void setJumpSpeed(f32 speed) { JumpSpeed = speed; }

	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	virtual bool getLookOnlyWhenMouseDown() const { return LookOnlyWhenMouseDown; }
	bool getDisableClippingForChildNodes() const { return DisableClippingForChildNodes; }
	void setLookOnlyWhenMouseDown(bool on) { LookOnlyWhenMouseDown = on; }
	void setDisableClippingForChildNodes(bool on) { DisableClippingForChildNodes = on; }
	void setMaxVerticalAngle(f32 degrees) { MaxVerticalAngle = degrees; }
	//! 0 stops at once when the keys are released.
	void setMsToSlowDown(u32 ms) { MsToSlowDown = ms; }
	const core::array<SCamKeyMap>& getCamKeyMap() const { return KeyMap; }
	//! Replaces the key map with these entries as given.
	void setCamKeyMap(const SCamKeyMap* map, u32 count);

private:
	enum
	{
		FLAG_LOOK_ONLY_WHEN_MOUSE_DOWN = 1,
		FLAG_SMOOTH_MOVING = 2,
		FLAG_DISABLE_CLIPPING_FOR_CHILD_NODES = 4
	};

	void clearKeyStates();
	void updateEngineKeyMap();
	void recentreCursor();
	void jump(ISceneNode* node);
	bool isPressed(s32 action) const;

	gui::ICursorControl* CursorControl;
	f32 MaxVerticalAngle;
	f32 MoveSpeed;
	f32 RotateSpeed;
	f32 JumpSpeed;
	u32 LastAnimationTime;
	bool DisableClippingForChildNodes;
	core::vector3df LastLookDirection;
	core::array<SCamKeyMap> KeyMap;
	core::array<SKeyMap> EngineKeyMap;
	core::position2df CenterCursor;
	SCameraMouseTracking Mouse;
	bool CursorKeys[EKA_COUNT];
	bool FirstUpdate;
	bool NoVerticalMovement;
	bool LookOnlyWhenMouseDown;
	bool JumpArmed;
	bool InvertMouse;
	u32 MsToSlowDown;
	core::vector3df GlideVelocity;
	u32 LastMoveTime;
	ISceneManager* SceneManager;
};

} // end namespace scene
} // end namespace irr

#endif
