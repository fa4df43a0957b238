#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "scene/CVeskCameraSceneNode.h"

#include <IAttributes.h>
#include <ICursorControl.h>
#include <ISceneManager.h>
#include <ISceneNodeAnimatorCollisionResponse.h>
#include <Keycodes.h>

namespace irr
{
namespace scene
{

namespace
{

const u32 LONGEST_FRAME_MS = 150;
const f32 STILL = 0.00001f;
const u32 DEFAULT_MS_TO_SLOW_DOWN = 250;

const CVeskAnimatorCameraFPS::SCamKeyMap DEFAULT_KEY_MAP[] = {
	CVeskAnimatorCameraFPS::SCamKeyMap(EKA_MOVE_FORWARD, KEY_UP, KEY_KEY_W),
	CVeskAnimatorCameraFPS::SCamKeyMap(EKA_MOVE_BACKWARD, KEY_DOWN, KEY_KEY_S),
	CVeskAnimatorCameraFPS::SCamKeyMap(EKA_STRAFE_LEFT, KEY_LEFT, KEY_KEY_A),
	CVeskAnimatorCameraFPS::SCamKeyMap(EKA_STRAFE_RIGHT, KEY_RIGHT, KEY_KEY_D),
	CVeskAnimatorCameraFPS::SCamKeyMap(EKA_JUMP_UP, KEY_SPACE, 0)
};

bool isEditorHost(ISceneManager* sceneManager)
{
	return sceneManager && sceneManager->getParameters()->getAttributeAsBool(IRR_SCENE_MANAGER_IS_EDITOR);
}

} // end anonymous namespace

CVeskAnimatorCameraFPS::CVeskAnimatorCameraFPS(ISceneManager* sceneManager, gui::ICursorControl* cursorControl,
	const SCamKeyMap* keyMap, u32 keyMapSize, bool noVerticalMovement, f32 rotateSpeed, f32 moveSpeed, f32 jumpSpeed)
	: CursorControl(cursorControl), MaxVerticalAngle(88.f), MoveSpeed(moveSpeed), RotateSpeed(rotateSpeed),
	  JumpSpeed(jumpSpeed), LastAnimationTime(0), DisableClippingForChildNodes(true), FirstUpdate(true),
	  NoVerticalMovement(noVerticalMovement), LookOnlyWhenMouseDown(false),
	  JumpArmed(false), InvertMouse(false), MsToSlowDown(0), LastMoveTime(0), SceneManager(sceneManager)
{
	if (CursorControl)
		CursorControl->grab();
	if (keyMap)
		setCamKeyMap(keyMap, keyMapSize);
	else
		setCamKeyMap(DEFAULT_KEY_MAP, sizeof(DEFAULT_KEY_MAP) / sizeof(DEFAULT_KEY_MAP[0]));
}

CVeskAnimatorCameraFPS::~CVeskAnimatorCameraFPS()
{
	if (CursorControl)
		CursorControl->drop();
}

ESCENE_NODE_ANIMATOR_TYPE CVeskAnimatorCameraFPS::getType() const
{
	return ESCENE_NODE_ANIMATOR_TYPE(EVBT_CAMERA_FPS);
}

void CVeskAnimatorCameraFPS::clearKeyStates()
{
	for (u32 i = 0; i < EKA_COUNT; ++i)
		CursorKeys[i] = false;
}

void CVeskAnimatorCameraFPS::updateEngineKeyMap()
{
	EngineKeyMap.set_used(0);
	for (u32 i = 0; i < KeyMap.size(); ++i)
		EngineKeyMap.push_back(SKeyMap(EKEY_ACTION(KeyMap[i].Action), EKEY_CODE(KeyMap[i].KeyCode)));
}

void CVeskAnimatorCameraFPS::setCamKeyMap(const SCamKeyMap* map, u32 count)
{
	KeyMap.set_used(0);
	for (u32 i = 0; i < count; ++i)
		if (map[i].Action >= 0 && map[i].Action < EKA_COUNT)
			KeyMap.push_back(map[i]);
	updateEngineKeyMap();
	clearKeyStates();
}

void CVeskAnimatorCameraFPS::setKeyMap(SKeyMap* map, u32 count)
{
	KeyMap.set_used(0);
	for (u32 i = 0; i < count; ++i)
		if (map[i].Action >= EKA_MOVE_FORWARD && map[i].Action <= EKA_JUMP_UP)
			KeyMap.push_back(SCamKeyMap(map[i].Action, map[i].KeyCode, 0));
	updateEngineKeyMap();
	clearKeyStates();
}

void CVeskAnimatorCameraFPS::setKeyMap(const core::array<SKeyMap>& keyMap)
{
	setKeyMap(const_cast<SKeyMap*>(keyMap.const_pointer()), keyMap.size());
}

void CVeskAnimatorCameraFPS::restart()
{
	LastAnimationTime = 0;
	FirstUpdate = true;
	clearKeyStates();
	GlideVelocity.set(0, 0, 0);
	LastMoveTime = 0;
}

bool CVeskAnimatorCameraFPS::OnEvent(const SEvent& event)
{
	if (event.EventType == EET_KEY_INPUT_EVENT)
	{
		for (u32 i = 0; i < KeyMap.size(); ++i)
			if (KeyMap[i].KeyCode == event.KeyInput.Key || (KeyMap[i].KeyCode2 != 0 && KeyMap[i].KeyCode2 == event.KeyInput.Key))
			{
				CursorKeys[KeyMap[i].Action] = event.KeyInput.PressedDown;
				break;
			}
		return false;
	}
	if (event.EventType != EET_MOUSE_INPUT_EVENT)
		return false;

	bool consumed = false;
	if (Mouse.onMouseEvent(event, CursorControl, LookOnlyWhenMouseDown, consumed))
		return consumed;
	switch (event.MouseInput.Event)
	{
	default:
		return false;
	}
}

void CVeskAnimatorCameraFPS::recentreCursor()
{
	CursorControl->setPosition(0.5f, 0.5f);
	CenterCursor = CursorControl->getRelativePosition();
	Mouse.CursorPos = CenterCursor;
}

bool CVeskAnimatorCameraFPS::isPressed(s32 action) const
{
	return CursorKeys[action];
}

void CVeskAnimatorCameraFPS::jump(ISceneNode* node)
{
	const ISceneNodeAnimatorList& animators = node->getAnimators();
	for (ISceneNodeAnimatorList::ConstIterator it = animators.begin(); it != animators.end(); ++it)
	{
		if (s32((*it)->getType()) != EVBT_COLLISION_RESPONSE)
			continue;
		ISceneNodeAnimatorCollisionResponse* response = dynamic_cast<ISceneNodeAnimatorCollisionResponse*>(*it);
		if (response && !response->isFalling())
		{
			JumpArmed = false;
			response->jump(JumpSpeed);
		}
	}
}

void CVeskAnimatorCameraFPS::animateNode(ISceneNode* node, u32 timeMs)
{
	CVeskCameraSceneNode* camera = dynamic_cast<CVeskCameraSceneNode*>(node);
	if (!camera || !camera->getSceneManager() || camera->getSceneManager()->getActiveCamera() != camera)
		return;
	if (isEditorHost(SceneManager))
		return;

	if (FirstUpdate)
	{
		camera->updateAbsolutePosition();
		if (CursorControl && !LookOnlyWhenMouseDown)
			recentreCursor();
		LastAnimationTime = timeMs;
		FirstUpdate = false;
	}
	const u32 timeDiff = core::min_(timeMs - LastAnimationTime, LONGEST_FRAME_MS);
	LastAnimationTime = timeMs;

	core::vector3df pos = camera->getPosition();
	core::vector3df rotation = (camera->getTarget() - camera->getAbsolutePosition()).getHorizontalAngle();
	const f32 mouseY = InvertMouse ? -1.f : 1.f;

	if (CursorControl)
	{
		Mouse.CursorPos = CursorControl->getRelativePosition();
		if (!LookOnlyWhenMouseDown)
		{
			if (Mouse.CursorPos != CenterCursor)
			{
				rotation.Y -= (0.5f - Mouse.CursorPos.X) * RotateSpeed;
				rotation.X -= (0.5f - Mouse.CursorPos.Y) * RotateSpeed * mouseY;
				if (rotation.X > MaxVerticalAngle * 2 && rotation.X < 360.f - MaxVerticalAngle)
					rotation.X = 360.f - MaxVerticalAngle;
				else if (rotation.X > MaxVerticalAngle && rotation.X < 360.f - MaxVerticalAngle)
					rotation.X = MaxVerticalAngle;
				recentreCursor();
			}
		}
		else if (Mouse.LeftButtonDown)
		{
			rotation.Y -= (Mouse.MouseDownPos.X - Mouse.CursorPos.X) * RotateSpeed;
			rotation.X -= (Mouse.MouseDownPos.Y - Mouse.CursorPos.Y) * RotateSpeed * mouseY;
			Mouse.MouseDownPos = Mouse.CursorPos;
		}
	}

	core::matrix4 turn;
	turn.setRotationDegrees(core::vector3df(rotation.X, rotation.Y, 0));
	core::vector3df target(0, 0, core::max_(1.f, pos.getLength()));
	turn.transformVect(target);

	core::vector3df moveDir = target;
	if (NoVerticalMovement)
	{
		core::matrix4 yawOnly;
		yawOnly.setRotationDegrees(core::vector3df(0, rotation.Y, 0));
		moveDir.set(0, 0, target.getLength());
		yawOnly.transformVect(moveDir);
	}
	moveDir.normalize();

	core::vector3df strafe = target.crossProduct(camera->getUpVector());
	if (NoVerticalMovement)
		strafe.Y = 0.f;
	strafe.normalize();

	core::vector3df move(0, 0, 0);
	if (isPressed(EKA_MOVE_FORWARD))
		move += moveDir;
	if (isPressed(EKA_MOVE_BACKWARD))
		move -= moveDir;
	if (isPressed(EKA_STRAFE_LEFT))
		move += strafe;
	if (isPressed(EKA_STRAFE_RIGHT))
		move -= strafe;
	// Diagonal walking is as fast as straight walking.
	move.normalize();
	pos += move * MoveSpeed * f32(timeDiff);

	if (!isPressed(EKA_JUMP_UP))
		JumpArmed = true;
	else if (JumpArmed)
		jump(camera);

	if (MsToSlowDown != 0)
	{
		const core::vector3df delta = pos - camera->getPosition();
		if (delta.getLength() > STILL)
		{
			if (timeDiff)
				GlideVelocity = delta / f32(timeDiff);
			LastMoveTime = timeMs;
		}
		else if (LastMoveTime != 0 && GlideVelocity.getLength() > STILL)
		{
			const u32 elapsed = timeMs - LastMoveTime;
			if (elapsed == 0 || elapsed >= MsToSlowDown)
				GlideVelocity.set(0, 0, 0);
			else
			{
				const f32 speed = GlideVelocity.getLength();
				core::vector3df direction = GlideVelocity;
				direction.normalize();
				pos += direction * (1.f - f32(elapsed) / f32(MsToSlowDown)) * speed * f32(timeDiff) * 0.5f;
			}
		}
	}

	camera->setPosition(pos);
	LastLookDirection = target;
	camera->setTarget(target + pos);
}

ISceneNodeAnimator* CVeskAnimatorCameraFPS::createClone(ISceneNode* node, ISceneManager* newManager)
{
	CVeskAnimatorCameraFPS* clone = new CVeskAnimatorCameraFPS(newManager ? newManager : SceneManager, CursorControl,
		KeyMap.const_pointer(), KeyMap.size(), NoVerticalMovement, RotateSpeed, MoveSpeed, JumpSpeed);
	clone->MaxVerticalAngle = MaxVerticalAngle;
	clone->DisableClippingForChildNodes = DisableClippingForChildNodes;
	clone->LookOnlyWhenMouseDown = LookOnlyWhenMouseDown;
	clone->InvertMouse = InvertMouse;
	clone->MsToSlowDown = MsToSlowDown;
	return clone;
}

void CVeskAnimatorCameraFPS::writeBinary(CVeskSerializer* writer)
{
	writer->writeFloat(MaxVerticalAngle);
	writer->writeFloat(MoveSpeed);
	writer->writeFloat(RotateSpeed);
	writer->writeFloat(JumpSpeed);
	writer->writeBool(NoVerticalMovement);
	s32 flags = 0;
	if (LookOnlyWhenMouseDown)
		flags |= FLAG_LOOK_ONLY_WHEN_MOUSE_DOWN;
	if (MsToSlowDown != 0)
		flags |= FLAG_SMOOTH_MOVING;
	if (DisableClippingForChildNodes)
		flags |= FLAG_DISABLE_CLIPPING_FOR_CHILD_NODES;
	writer->writeInt(flags);
	if (MsToSlowDown != 0)
		writer->writeInt(s32(MsToSlowDown));
}

void CVeskAnimatorCameraFPS::readBinary(CVeskDeserializer* reader)
{
	MaxVerticalAngle = reader->readFloat();
	MoveSpeed = reader->readFloat();
	RotateSpeed = reader->readFloat();
	JumpSpeed = reader->readFloat();
	NoVerticalMovement = reader->readBool();
	const s32 flags = reader->readInt();
	LookOnlyWhenMouseDown = (flags & FLAG_LOOK_ONLY_WHEN_MOUSE_DOWN) != 0;
	DisableClippingForChildNodes = (flags & FLAG_DISABLE_CLIPPING_FOR_CHILD_NODES) != 0;
	MsToSlowDown = 0;
	if (flags & FLAG_SMOOTH_MOVING)
		MsToSlowDown = u32(core::max_(reader->readInt(), 0));
}

void CVeskAnimatorCameraFPS::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	out->addFloat("MoveSpeed", MoveSpeed);
	out->addFloat("RotateSpeed", RotateSpeed);
	out->addFloat("JumpSpeed", JumpSpeed);
	out->addFloat("MaxVerticalAngle", MaxVerticalAngle);
	out->addBool("CanFly", !NoVerticalMovement);
	out->addBool("LookOnlyWhenMouseDown", LookOnlyWhenMouseDown);
	out->addBool("SmoothMoving", MsToSlowDown != 0);
	if (MsToSlowDown != 0)
		out->addInt("MsToSlowDown", s32(MsToSlowDown));
	out->addBool("DisableClippingForChildNodes", DisableClippingForChildNodes);
}

void CVeskAnimatorCameraFPS::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	if (in->existsAttribute("MoveSpeed"))
		MoveSpeed = in->getAttributeAsFloat("MoveSpeed");
	if (in->existsAttribute("RotateSpeed"))
		RotateSpeed = in->getAttributeAsFloat("RotateSpeed");
	if (in->existsAttribute("JumpSpeed"))
		JumpSpeed = in->getAttributeAsFloat("JumpSpeed");
	if (in->existsAttribute("MaxVerticalAngle"))
		MaxVerticalAngle = in->getAttributeAsFloat("MaxVerticalAngle");
	if (in->existsAttribute("CanFly"))
		NoVerticalMovement = !in->getAttributeAsBool("CanFly");
	if (in->existsAttribute("LookOnlyWhenMouseDown"))
		LookOnlyWhenMouseDown = in->getAttributeAsBool("LookOnlyWhenMouseDown");
	if (in->existsAttribute("SmoothMoving"))
	{
		MsToSlowDown = 0;
		if (in->getAttributeAsBool("SmoothMoving"))
		{
			const s32 ms = in->existsAttribute("MsToSlowDown") ? in->getAttributeAsInt("MsToSlowDown") : s32(DEFAULT_MS_TO_SLOW_DOWN);
			MsToSlowDown = u32(core::max_(ms, 0));
		}
	}
	if (in->existsAttribute("DisableClippingForChildNodes"))
		DisableClippingForChildNodes = in->getAttributeAsBool("DisableClippingForChildNodes");
}

} // end namespace scene
} // end namespace irr
