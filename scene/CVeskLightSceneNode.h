#ifndef HX_C_VESK_LIGHT_SCENE_NODE_H
#define HX_C_VESK_LIGHT_SCENE_NODE_H

#include "document/IVeskSerializationSupport.h"

#include <ILightSceneNode.h>
#include <S3DVertex.h>
#include <SLight.h>

//! A dynamic light: point, spot or directional. It adds itself to the video driver's lights
//! in the light pass.
class CVeskLightSceneNode : public irr::scene::ILightSceneNode, public IVeskSerializationSupport
{
public:
	CVeskLightSceneNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* sceneManager, irr::s32 id,
		const irr::core::vector3df& position = irr::core::vector3df(0, 0, 0));

	virtual void OnRegisterSceneNode();
	//! Adds the light to the driver; in the transparent pass draws its debug figure instead.
	virtual void render();
	virtual const irr::core::aabbox3df& getBoundingBox() const { return Box; }
	virtual irr::scene::ESCENE_NODE_TYPE getType() const;
	virtual irr::scene::ISceneNode* clone(irr::scene::ISceneNode* newParent = 0, irr::scene::ISceneManager* newManager = 0);

	virtual void setLightData(const irr::video::SLight& light) { LightData = light; }
	virtual const irr::video::SLight& getLightData() const { return LightData; }
	virtual irr::video::SLight& getLightData() { return LightData; }
	virtual void setVisible(bool isVisible) { ISceneNode::setVisible(isVisible); }
	//! Also sets the attenuation to (0, 1 / radius, 0).
	virtual void setRadius(irr::f32 radius);
	virtual irr::f32 getRadius() const { return LightData.Radius; }
	virtual void setLightType(irr::video::E_LIGHT_TYPE type) { LightData.Type = type; }
	virtual irr::video::E_LIGHT_TYPE getLightType() const { return LightData.Type; }
	virtual void enableCastShadow(bool shadow = true) { LightData.CastShadows = shadow; }
	virtual bool getCastShadow() const { return LightData.CastShadows; }
	void setDirection(const irr::core::vector3df& direction);

	virtual void serializeAttributes(irr::io::IAttributes* out, irr::io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::io::SAttributeReadWriteOptions* options = 0);

	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

private:
	void drawDebugFigure();

	irr::video::SLight LightData;
	irr::core::aabbox3df Box;
};

#endif
