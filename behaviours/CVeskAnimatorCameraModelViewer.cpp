#include "behaviours/CVeskAnimatorCameraModelViewer.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "scene/CVeskCameraSceneNode.h"

#include <IAttributes.h>
#include <ICursorControl.h>
#include <ISceneManager.h>
#include <IVideoDriver.h>

namespace irr
{
namespace scene
{

namespace
{

const f32 TINY = 0.000001f;
//! Marks a height not yet taken; no document places a camera there.
const f32 HEIGHT_NOT_TAKEN = -66666.f;
const u32 ORBIT_SEGMENTS = 16;

bool isEditorHost(ISceneManager* sceneManager)
{
	return sceneManager && sceneManager->getParameters()->getAttributeAsBool(IRR_SCENE_MANAGER_IS_EDITOR);
}

} // end anonymous namespace

CVeskAnimatorCameraModelViewer::CVeskAnimatorCameraModelViewer(ISceneManager* sceneManager,
	gui::ICursorControl* cursorControl, f32 rotateSpeed)
	: CursorControl(cursorControl), RotateSpeed(rotateSpeed), Radius(100.f), LastAnimationTime(0),
	  SlideAfterMovementEnd(true), SlidingSpeed(500.f), AllowZooming(false), MinZoom(20.f), MaxZoom(100.f),
	  ZoomSpeed(1.6f), NoVerticalMovement(false), ZoomTarget(90.f), FirstUpdate(true), WasInactive(true),
	  LookOnlyWhenMouseDown(true), SlideVelocity(0.f, 0.f), LockedHeight(HEIGHT_NOT_TAKEN),
	  SceneManager(sceneManager)
{
	if (CursorControl)
		CursorControl->grab();
}

CVeskAnimatorCameraModelViewer::~CVeskAnimatorCameraModelViewer()
{
	if (CursorControl)
		CursorControl->drop();
}

ESCENE_NODE_ANIMATOR_TYPE CVeskAnimatorCameraModelViewer::getType() const
{
	return ESCENE_NODE_ANIMATOR_TYPE(EVBT_CAMERA_MODEL_VIEWER);
}

void CVeskAnimatorCameraModelViewer::setSliding(bool slide, f32 speed)
{
	SlideAfterMovementEnd = slide;
	SlidingSpeed = speed;
}

void CVeskAnimatorCameraModelViewer::setZooming(bool allow, f32 minZoom, f32 maxZoom, f32 zoomSpeed)
{
	AllowZooming = allow;
	MinZoom = minZoom;
	MaxZoom = maxZoom;
	ZoomSpeed = zoomSpeed;
}

bool CVeskAnimatorCameraModelViewer::OnEvent(const SEvent& event)
{
	if (event.EventType != EET_MOUSE_INPUT_EVENT)
		return false;
	bool consumed = false;
	if (Mouse.onMouseEvent(event, CursorControl, LookOnlyWhenMouseDown, consumed))
		return consumed;
	switch (event.MouseInput.Event)
	{
	case EMIE_MOUSE_WHEEL:
		if (!AllowZooming)
			return false;
		ZoomTarget = core::clamp(ZoomTarget + event.MouseInput.Wheel * ZoomSpeed, MinZoom, MaxZoom);
		return true;
	default:
		return false;
	}
}

void CVeskAnimatorCameraModelViewer::recentreCursor()
{
	CursorControl->setPosition(0.5f, 0.5f);
	CenterCursor = CursorControl->getRelativePosition();
	Mouse.CursorPos = CenterCursor;
}

void CVeskAnimatorCameraModelViewer::slide(f32& rotation, f32& velocity, u32 timeDiff)
{
	if (fabsf(rotation) > TINY)
	{
		velocity = rotation * SlidingSpeed / 1000.f;
		return;
	}
	rotation = velocity;
	velocity *= 0.9f;
	const f32 decay = f32(timeDiff) / SlidingSpeed;
	if (velocity > 0.f)
		velocity = core::max_(velocity - decay, 0.f);
	else if (velocity < 0.f)
		velocity = core::min_(velocity + decay, 0.f);
}

void CVeskAnimatorCameraModelViewer::zoom(ICameraSceneNode* camera)
{
	f32 fov = camera->getFOV() * core::RADTODEG;
	ZoomTarget = core::clamp(ZoomTarget, MinZoom, MaxZoom);
	const f32 step = core::max_(ZoomSpeed, fabsf(ZoomTarget - fov) * 0.125f);
	if (fov < ZoomTarget && fov < MaxZoom - step)
		fov = core::min_(fov + step, MaxZoom);
	if (fov > MinZoom + step && fov > ZoomTarget)
		fov = core::max_(fov - step, MinZoom);
	camera->setFOV(fov * core::DEGTORAD);
}

void CVeskAnimatorCameraModelViewer::animateNode(ISceneNode* node, u32 timeMs)
{
	CVeskCameraSceneNode* camera = dynamic_cast<CVeskCameraSceneNode*>(node);
	if (!camera || isEditorHost(SceneManager))
		return;
	const bool inactive = !camera->getSceneManager() || camera->getSceneManager()->getActiveCamera() != camera;

	if (FirstUpdate)
	{
		camera->updateAbsolutePosition();
		LastAnimationTime = timeMs;
		FirstUpdate = false;
	}
	if (!inactive && WasInactive && CursorControl && !LookOnlyWhenMouseDown)
		recentreCursor();
	WasInactive = inactive;

	const u32 timeDiff = timeMs - LastAnimationTime;
	LastAnimationTime = timeMs;

	core::vector3df pos = camera->getPosition();
	const core::vector3df target = camera->getTarget();
	const core::vector3df dir = target - camera->getAbsolutePosition();

	core::vector2df rot(0.f, 0.f);
	if (!inactive && CursorControl)
	{
		Mouse.CursorPos = CursorControl->getRelativePosition();
		if (!LookOnlyWhenMouseDown && Mouse.CursorPos != CenterCursor)
		{
			rot.set(RotateSpeed * (0.5f - Mouse.CursorPos.X), RotateSpeed * (0.5f - Mouse.CursorPos.Y));
			recentreCursor();
		}
		else if (LookOnlyWhenMouseDown && Mouse.LeftButtonDown)
		{
			rot.X = RotateSpeed * (Mouse.MouseDownPos.X - Mouse.CursorPos.X) * -640.f / 50000.f;
			rot.Y = RotateSpeed * (Mouse.MouseDownPos.Y - Mouse.CursorPos.Y) * -480.f / 50000.f;
			Mouse.MouseDownPos = Mouse.CursorPos;
		}
	}

	if (SlideAfterMovementEnd && fabsf(SlidingSpeed) > TINY)
	{
		slide(rot.X, SlideVelocity.X, timeDiff);
		slide(rot.Y, SlideVelocity.Y, timeDiff);
	}

	core::vector3df side = dir.crossProduct(camera->getUpVector());
	side.Y = 0.f;
	side.normalize();
	if (fabsf(rot.X) > TINY)
		pos += side * f32(timeDiff) * rot.X;

	if (!NoVerticalMovement)
	{
		if (fabsf(rot.Y) > TINY)
		{
			core::vector3df up = camera->getUpVector();
			up.normalize();
			const f32 limit = Radius / 10.f;
			const core::vector3df raised = pos + up * f32(timeDiff) * rot.Y;
			// The camera never passes over the target's pole.
			if ((pos - target).getLength() > limit && (raised - target).getLength() > limit)
				pos = raised;
		}
	}
	else
	{
		if (core::equals(LockedHeight, HEIGHT_NOT_TAKEN, TINY))
			LockedHeight = pos.Y;
		pos.Y = LockedHeight;
	}

	if (AllowZooming)
		zoom(camera);

	camera->setPosition(onOrbit(pos, target));
}

core::vector3df CVeskAnimatorCameraModelViewer::onOrbit(const core::vector3df& pos, const core::vector3df& target) const
{
	core::vector3df offset = pos - target;
	if (!NoVerticalMovement)
		return target + offset.normalize() * Radius;
	// The locked height stays exact: only the horizontal distance makes up the radius.
	const f32 height = offset.Y;
	offset.Y = 0.f;
	const f32 horizontal = sqrtf(core::max_(Radius * Radius - height * height, 0.f));
	return target + offset.normalize() * horizontal + core::vector3df(0.f, height, 0.f);
}

ISceneNodeAnimator* CVeskAnimatorCameraModelViewer::createClone(ISceneNode* node, ISceneManager* newManager)
{
	CVeskAnimatorCameraModelViewer* clone = new CVeskAnimatorCameraModelViewer(newManager ? newManager : SceneManager,
		CursorControl, RotateSpeed);
	clone->Radius = Radius;
	clone->SlideAfterMovementEnd = SlideAfterMovementEnd;
	clone->SlidingSpeed = SlidingSpeed;
	clone->AllowZooming = AllowZooming;
	clone->MinZoom = MinZoom;
	clone->MaxZoom = MaxZoom;
	clone->ZoomSpeed = ZoomSpeed;
	clone->NoVerticalMovement = NoVerticalMovement;
	clone->LookOnlyWhenMouseDown = LookOnlyWhenMouseDown;
	return clone;
}

void CVeskAnimatorCameraModelViewer::writeBinary(CVeskSerializer* writer)
{
	writer->writeFloat(Radius);
	writer->writeFloat(RotateSpeed);
	writer->writeBool(NoVerticalMovement);
	s32 flags = 0;
	if (LookOnlyWhenMouseDown)
		flags |= FLAG_LOOK_ONLY_WHEN_MOUSE_DOWN;
	if (SlideAfterMovementEnd)
		flags |= FLAG_SLIDE_AFTER_MOVEMENT_END;
	if (AllowZooming)
		flags |= FLAG_ALLOW_ZOOMING;
	writer->writeInt(flags);
	if (SlideAfterMovementEnd)
		writer->writeFloat(SlidingSpeed);
	if (AllowZooming)
	{
		writer->writeFloat(MinZoom);
		writer->writeFloat(MaxZoom);
		writer->writeFloat(ZoomSpeed);
	}
}

void CVeskAnimatorCameraModelViewer::readBinary(CVeskDeserializer* reader)
{
	Radius = reader->readFloat();
	RotateSpeed = reader->readFloat();
	NoVerticalMovement = reader->readBool();
	const s32 flags = reader->readInt();
	LookOnlyWhenMouseDown = (flags & FLAG_LOOK_ONLY_WHEN_MOUSE_DOWN) != 0;
	SlideAfterMovementEnd = (flags & FLAG_SLIDE_AFTER_MOVEMENT_END) != 0;
	AllowZooming = (flags & FLAG_ALLOW_ZOOMING) != 0;
	if (SlideAfterMovementEnd)
		SlidingSpeed = reader->readFloat();
	if (AllowZooming)
	{
		MinZoom = reader->readFloat();
		MaxZoom = reader->readFloat();
		ZoomSpeed = reader->readFloat();
	}
}

void CVeskAnimatorCameraModelViewer::drawAnimation(video::IVideoDriver* driver, ISceneNode* node, video::SColor colour)
{
	ICameraSceneNode* camera = dynamic_cast<ICameraSceneNode*>(node);
	if (!driver || !camera)
		return;
	const core::vector3df centre = camera->getTarget();
	driver->setTransform(video::ETS_WORLD, core::IdentityMatrix);
	for (u32 plane = 0; plane < 3; ++plane)
		for (u32 i = 0; i < ORBIT_SEGMENTS; ++i)
		{
			const f32 a = 2.f * core::PI * f32(i) / f32(ORBIT_SEGMENTS);
			const f32 b = 2.f * core::PI * f32(i + 1) / f32(ORBIT_SEGMENTS);
			core::vector3df from, to;
			if (plane == 0)
			{
				from.set(cosf(a), 0.f, sinf(a));
				to.set(cosf(b), 0.f, sinf(b));
			}
			else if (plane == 1)
			{
				from.set(cosf(a), sinf(a), 0.f);
				to.set(cosf(b), sinf(b), 0.f);
			}
			else
			{
				from.set(0.f, cosf(a), sinf(a));
				to.set(0.f, cosf(b), sinf(b));
			}
			driver->draw3DLine(centre + from * Radius, centre + to * Radius, colour);
		}
}

void CVeskAnimatorCameraModelViewer::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	out->addFloat("RotateSpeed", RotateSpeed);
	out->addFloat("Radius", Radius);
	out->addBool("VerticalMovementAllowed", !NoVerticalMovement);
	out->addBool("LookOnlyWhenMouseDown", LookOnlyWhenMouseDown);
	out->addBool("SlideAfterMovementEnd", SlideAfterMovementEnd);
	out->addFloat("SlidingSpeed", SlidingSpeed);
	out->addBool("AllowZooming", AllowZooming);
	out->addFloat("MinZoom", MinZoom);
	out->addFloat("MaxZoom", MaxZoom);
	out->addFloat("ZoomSpeed", ZoomSpeed);
}

void CVeskAnimatorCameraModelViewer::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	if (in->existsAttribute("RotateSpeed"))
		RotateSpeed = in->getAttributeAsFloat("RotateSpeed");
	if (in->existsAttribute("Radius"))
		Radius = in->getAttributeAsFloat("Radius");
	if (in->existsAttribute("VerticalMovementAllowed"))
		NoVerticalMovement = !in->getAttributeAsBool("VerticalMovementAllowed");
	if (in->existsAttribute("LookOnlyWhenMouseDown"))
		LookOnlyWhenMouseDown = in->getAttributeAsBool("LookOnlyWhenMouseDown");
	if (in->existsAttribute("SlideAfterMovementEnd"))
		SlideAfterMovementEnd = in->getAttributeAsBool("SlideAfterMovementEnd");
	if (in->existsAttribute("SlidingSpeed"))
		SlidingSpeed = in->getAttributeAsFloat("SlidingSpeed");
	if (in->existsAttribute("AllowZooming"))
		AllowZooming = in->getAttributeAsBool("AllowZooming");
	if (in->existsAttribute("MinZoom"))
		MinZoom = in->getAttributeAsFloat("MinZoom");
	if (in->existsAttribute("MaxZoom"))
		MaxZoom = in->getAttributeAsFloat("MaxZoom");
	if (in->existsAttribute("ZoomSpeed"))
		ZoomSpeed = in->getAttributeAsFloat("ZoomSpeed");
}

} // end namespace scene
} // end namespace irr
