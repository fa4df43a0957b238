#include "scene/CVeskCameraSceneNode.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "render/veskRenderPass.h"

#include <IAttributes.h>
#include <ISceneManager.h>
#include <ISceneNodeAnimator.h>
#include <IVideoDriver.h>

using namespace irr;

namespace
{

const c8* const ASPECT_RATIO_NAMES[] = {
	"Auto (screen resolution)", "4:3", "16:9", "3:2", "2:1", "2.35:1", "1:1", 0
};
const f32 ASPECT_RATIOS[] = { 0.f, 1.333333f, 1.777778f, 1.5f, 2.f, 2.35f, 1.f };
const s32 ASPECT_RATIO_COUNT = 7;
const f32 ASPECT_TOLERANCE = 1e-6f;
const f32 FALLBACK_ASPECT = 1.3333334f;

} // end anonymous namespace

CVeskCameraSceneNode::CVeskCameraSceneNode(scene::ISceneNode* parent, scene::ISceneManager* sceneManager, s32 id,
	const core::vector3df& position, const core::vector3df& target)
	: scene::ICameraSceneNode(parent, sceneManager, id, position),
	  Box(-1, -1, -1, 1, 1, 1), Target(target), UpVector(0, 1, 0),
	  Fovy(core::PI / 2.5f), Aspect(FALLBACK_ASPECT), ZNear(1.f), ZFar(3000.f),
	  InputReceiverEnabled(true), TargetAndRotationAreBound(false), Active(false), AutomaticAspect(true)
{
	takeScreenAspect();
	recalculateProjectionMatrix();
	updateMatrices();
}

void CVeskCameraSceneNode::takeScreenAspect()
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	const core::dimension2du screen = driver ? driver->getScreenSize() : core::dimension2du(0, 0);
	const f32 aspect = screen.Height ? f32(screen.Width) / f32(screen.Height) : 0.f;
	Aspect = core::equals(aspect, 0.f, ASPECT_TOLERANCE) ? FALLBACK_ASPECT : aspect;
}

void CVeskCameraSceneNode::recalculateProjectionMatrix()
{
	ViewArea.getTransform(video::ETS_PROJECTION).buildProjectionMatrixPerspectiveFovLH(Fovy, Aspect, ZNear, ZFar);
	IsOrthogonal = false;
}

void CVeskCameraSceneNode::recalculateViewArea()
{
	ViewArea.cameraPosition = getAbsolutePosition();
	core::matrix4 viewProjection(core::matrix4::EM4CONST_NOTHING);
	viewProjection.setbyproduct_nocheck(ViewArea.getTransform(video::ETS_PROJECTION),
		ViewArea.getTransform(video::ETS_VIEW));
	ViewArea.setFrom(viewProjection);
}

void CVeskCameraSceneNode::updateMatrices()
{
	const core::vector3df position = getAbsolutePosition();
	core::vector3df direction = Target - position;
	direction.normalize();
	core::vector3df up = UpVector;
	up.normalize();
	// A look-at matrix needs an up vector that is not parallel to the view direction.
	if (core::equals(fabsf(direction.dotProduct(up)), 1.f))
		up.X += 0.5f;
	ViewArea.getTransform(video::ETS_VIEW).buildCameraLookAtMatrixLH(position, Target, up);
	ViewArea.getTransform(video::ETS_VIEW) *= Affector;
	recalculateViewArea();
}

void CVeskCameraSceneNode::OnAnimate(u32 timeMs)
{
	ISceneNode::OnAnimate(timeMs);
	// Every node registers after the tree was animated, and is culled against this view.
	if (IsVisible)
		updateMatrices();
}

void CVeskCameraSceneNode::OnRegisterSceneNode()
{
	AutomaticCullingState = scene::EAC_BOX;
	if (AutomaticAspect)
	{
		takeScreenAspect();
		recalculateProjectionMatrix();
	}
	if (SceneManager && SceneManager->getActiveCamera() == this)
		registerVeskNodeForRendering(SceneManager, this, EVRP_CAMERA);
	ISceneNode::OnRegisterSceneNode();
}

void CVeskCameraSceneNode::render()
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	if (!driver || SceneManager->getActiveCamera() != this)
		return;
	updateMatrices();
	driver->setTransform(video::ETS_PROJECTION, ViewArea.getTransform(video::ETS_PROJECTION));
	driver->setTransform(video::ETS_VIEW, ViewArea.getTransform(video::ETS_VIEW));
}

scene::ESCENE_NODE_TYPE CVeskCameraSceneNode::getType() const
{
	return scene::ESCENE_NODE_TYPE(VESK_NODE_CAMERA);
}

void CVeskCameraSceneNode::setProjectionMatrix(const core::matrix4& projection, bool isOrthogonal)
{
	// A projection given by hand carries its own aspect; the screen must not replace it.
	AutomaticAspect = false;
	IsOrthogonal = isOrthogonal;
	ViewArea.getTransform(video::ETS_PROJECTION) = projection;
}

const core::matrix4& CVeskCameraSceneNode::getProjectionMatrix() const
{
	return ViewArea.getTransform(video::ETS_PROJECTION);
}

const core::matrix4& CVeskCameraSceneNode::getViewMatrix() const
{
	return ViewArea.getTransform(video::ETS_VIEW);
}

bool CVeskCameraSceneNode::OnEvent(const SEvent& event)
{
	if (!InputReceiverEnabled)
		return false;
	for (scene::ISceneNodeAnimatorList::Iterator it = Animators.begin(); it != Animators.end(); ++it)
		if ((*it)->isEventReceiverEnabled() && (*it)->OnEvent(event))
			return true;
	return false;
}

void CVeskCameraSceneNode::setTarget(const core::vector3df& position)
{
	Target = position;
	if (TargetAndRotationAreBound)
		ISceneNode::setRotation((Target - getAbsolutePosition()).getHorizontalAngle());
}

void CVeskCameraSceneNode::setRotation(const core::vector3df& rotation)
{
	if (TargetAndRotationAreBound)
		Target = getAbsolutePosition() + rotation.rotationToDirection();
	ISceneNode::setRotation(rotation);
}

void CVeskCameraSceneNode::setNearValue(f32 zNear)
{
	ZNear = zNear;
	recalculateProjectionMatrix();
}

void CVeskCameraSceneNode::setFarValue(f32 zFar)
{
	ZFar = zFar;
	recalculateProjectionMatrix();
}

void CVeskCameraSceneNode::setAspectRatio(f32 aspect)
{
	Aspect = aspect;
	AutomaticAspect = false;
	recalculateProjectionMatrix();
}

void CVeskCameraSceneNode::setFOV(f32 fovy)
{
	Fovy = fovy;
	recalculateProjectionMatrix();
}

void CVeskCameraSceneNode::setAutomaticAspect(bool automatic)
{
	AutomaticAspect = automatic;
	if (AutomaticAspect)
	{
		takeScreenAspect();
		recalculateProjectionMatrix();
	}
}

scene::ISceneNode* CVeskCameraSceneNode::clone(scene::ISceneNode* newParent, scene::ISceneManager* newManager)
{
	if (!newParent)
		newParent = Parent;
	if (!newManager)
		newManager = SceneManager;
	CVeskCameraSceneNode* node = new CVeskCameraSceneNode(newParent, newManager, ID, RelativeTranslation, Target);
	node->ISceneNode::cloneMembers(this, newManager);
	node->ICameraSceneNode::cloneMembers(this);
	node->Box = Box;
	node->UpVector = UpVector;
	node->Affector = Affector;
	node->ViewArea = ViewArea;
	node->Fovy = Fovy;
	node->Aspect = Aspect;
	node->ZNear = ZNear;
	node->ZFar = ZFar;
	node->InputReceiverEnabled = InputReceiverEnabled;
	node->TargetAndRotationAreBound = TargetAndRotationAreBound;
	node->AutomaticAspect = AutomaticAspect;
	if (newParent)
		node->drop();
	return node;
}

s32 CVeskCameraSceneNode::getAspectRatioIndex() const
{
	if (AutomaticAspect)
		return 0;
	for (s32 i = 1; i < ASPECT_RATIO_COUNT; ++i)
		if (core::equals(Aspect, ASPECT_RATIOS[i], ASPECT_TOLERANCE))
			return i;
	return 0;
}

void CVeskCameraSceneNode::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	ISceneNode::serializeAttributes(out, options);
	out->addVector3d("Target", Target);
	out->addVector3d("UpVector", UpVector);
	out->addFloat("FieldOfView_Degrees", Fovy * core::RADTODEG);
	out->addEnum("AspectRatio", getAspectRatioIndex(), ASPECT_RATIO_NAMES);
	out->addFloat("NearPlane", ZNear);
	out->addFloat("FarPlane", ZFar);
	out->addBool("Active", Active);
}

void CVeskCameraSceneNode::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	ISceneNode::deserializeAttributes(in, options);
	if (in->existsAttribute("Target"))
		setTarget(in->getAttributeAsVector3d("Target"));
	if (in->existsAttribute("UpVector"))
		UpVector = in->getAttributeAsVector3d("UpVector");
	if (in->existsAttribute("FieldOfView_Degrees"))
		Fovy = in->getAttributeAsFloat("FieldOfView_Degrees") * core::DEGTORAD;
	if (in->existsAttribute("NearPlane"))
		ZNear = in->getAttributeAsFloat("NearPlane");
	if (in->existsAttribute("FarPlane"))
		ZFar = in->getAttributeAsFloat("FarPlane");
	if (in->existsAttribute("Active"))
		Active = in->getAttributeAsBool("Active");

	const s32 aspectIndex = in->getAttributeAsEnumeration("AspectRatio", ASPECT_RATIO_NAMES);
	if (aspectIndex == 0)
		AutomaticAspect = true;
	else if (aspectIndex > 0 && aspectIndex < ASPECT_RATIO_COUNT)
	{
		Aspect = ASPECT_RATIOS[aspectIndex];
		AutomaticAspect = false;
	}
	if (AutomaticAspect)
		takeScreenAspect();
	recalculateProjectionMatrix();
	recalculateViewArea();
}

void CVeskCameraSceneNode::writeBinary(CVeskSerializer* writer)
{
	writer->writeBox(Box);
	writer->writeVector(Target);
	writer->writeVector(UpVector);
	writer->writeFloat(Fovy);
	writer->writeFloat(AutomaticAspect ? 0.f : Aspect);
	writer->writeFloat(ZNear);
	writer->writeFloat(ZFar);
	writer->writeBool(Active);
}

void CVeskCameraSceneNode::readBinary(CVeskDeserializer* reader)
{
	Box = reader->readBox();
	Target = reader->readVector();
	UpVector = reader->readVector();
	Fovy = reader->readFloat();
	const f32 aspect = reader->readFloat();
	ZNear = reader->readFloat();
	ZFar = reader->readFloat();
	Active = reader->readBool();

	AutomaticAspect = core::equals(aspect, 0.f, ASPECT_TOLERANCE);
	if (AutomaticAspect)
		takeScreenAspect();
	else
		Aspect = aspect;
	recalculateProjectionMatrix();
	updateMatrices();
}
