#ifndef HX_C_VESK_CAMERA_SCENE_NODE_H
#define HX_C_VESK_CAMERA_SCENE_NODE_H

#include "document/IVeskSerializationSupport.h"

#include <ICameraSceneNode.h>
#include <SViewFrustum.h>

//! A perspective camera looking at a target. The aspect ratio follows the screen unless the
//! document fixed it. The camera marked active is the one the player starts the scene with.
class CVeskCameraSceneNode : public irr::scene::ICameraSceneNode, public IVeskSerializationSupport
{
public:
	CVeskCameraSceneNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* sceneManager, irr::s32 id,
		const irr::core::vector3df& position = irr::core::vector3df(0, 0, 0),
		const irr::core::vector3df& target = irr::core::vector3df(0, 0, 100));

	//! After moving, the camera's view is brought up to date for culling the frame's nodes.
	virtual void OnAnimate(irr::u32 timeMs);
	virtual void OnRegisterSceneNode();
	//! The scene's active camera sets the view and projection transformations.
	virtual void render();
	virtual const irr::core::aabbox3df& getBoundingBox() const { return Box; }
	virtual irr::scene::ESCENE_NODE_TYPE getType() const;
	virtual irr::scene::ISceneNode* clone(irr::scene::ISceneNode* newParent = 0, irr::scene::ISceneManager* newManager = 0);

	//! Also stops the aspect ratio from following the screen.
	virtual void setProjectionMatrix(const irr::core::matrix4& projection, bool isOrthogonal = false);
	virtual const irr::core::matrix4& getProjectionMatrix() const;
	virtual const irr::core::matrix4& getViewMatrix() const;
	virtual void setViewMatrixAffector(const irr::core::matrix4& affector) { Affector = affector; }
	virtual const irr::core::matrix4& getViewMatrixAffector() const { return Affector; }
	//! Offers the event to the camera's event-receiving animators.
	virtual bool OnEvent(const irr::SEvent& event);
	virtual void setTarget(const irr::core::vector3df& position);
	virtual void setRotation(const irr::core::vector3df& rotation);
	virtual const irr::core::vector3df& getTarget() const { return Target; }
	virtual void setUpVector(const irr::core::vector3df& up) { UpVector = up; }
	virtual const irr::core::vector3df& getUpVector() const { return UpVector; }
	virtual irr::f32 getNearValue() const { return ZNear; }
	virtual irr::f32 getFarValue() const { return ZFar; }
	virtual irr::f32 getAspectRatio() const { return Aspect; }
	virtual irr::f32 getFOV() const { return Fovy; }
	virtual void setNearValue(irr::f32 zNear);
	virtual void setFarValue(irr::f32 zFar);
	//! A fixed aspect ratio: it no longer follows the screen.
	virtual void setAspectRatio(irr::f32 aspect);
	virtual void setFOV(irr::f32 fovy);
	virtual const irr::scene::SViewFrustum* getViewFrustum() const { return &ViewArea; }
	virtual void setInputReceiverEnabled(bool enabled) { InputReceiverEnabled = enabled; }
	virtual bool isInputReceiverEnabled() const { return InputReceiverEnabled; }
	virtual void bindTargetAndRotation(bool bound) { TargetAndRotationAreBound = bound; }
	virtual bool getTargetAndRotationBinding() const { return TargetAndRotationAreBound; }

	//! Recomputes the view matrix and the view frustum from the current placement.
	void updateMatrices();

	bool isActive() const { return Active; }
	void setActive(bool active) { Active = active; }
	bool isAutomaticAspect() const { return AutomaticAspect; }
	//! On: the aspect ratio is taken from the screen now and at every registration.
	void setAutomaticAspect(bool automatic);

	virtual void serializeAttributes(irr::io::IAttributes* out, irr::io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::io::SAttributeReadWriteOptions* options = 0);

	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

private:
	void takeScreenAspect();
	void recalculateProjectionMatrix();
	void recalculateViewArea();
	irr::s32 getAspectRatioIndex() const;

	irr::core::aabbox3df Box;
	irr::core::vector3df Target;
	irr::core::vector3df UpVector;
	irr::core::matrix4 Affector;
	irr::scene::SViewFrustum ViewArea;
	irr::f32 Fovy;
	irr::f32 Aspect;
	irr::f32 ZNear;
	irr::f32 ZFar;
	bool InputReceiverEnabled;
	bool TargetAndRotationAreBound;
	bool Active;
	bool AutomaticAspect;
};

#endif
