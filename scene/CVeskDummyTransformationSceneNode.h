#ifndef HX_C_VESK_DUMMY_TRANSFORMATION_SCENE_NODE_H
#define HX_C_VESK_DUMMY_TRANSFORMATION_SCENE_NODE_H

#include "document/IVeskSerializationSupport.h"
#include "scene/CVeskMetaDataContainer.h"

#include <IDummyTransformationSceneNode.h>

//! An invisible node whose stored matrix places its children; its position, rotation and
//! scale do not take part. Carries the editor's metadata entries.
class CVeskDummyTransformationSceneNode : public irr::scene::IDummyTransformationSceneNode,
	public IVeskSerializationSupport, public CVeskMetaDataContainer
{
public:
	CVeskDummyTransformationSceneNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* sceneManager,
		irr::s32 id, const irr::core::vector3df& position = irr::core::vector3df(0, 0, 0));

	virtual void render() {}
	virtual const irr::core::aabbox3df& getBoundingBox() const { return Box; }
	virtual irr::scene::ESCENE_NODE_TYPE getType() const;
	virtual irr::scene::ISceneNode* clone(irr::scene::ISceneNode* newParent = 0, irr::scene::ISceneManager* newManager = 0);

	virtual irr::core::matrix4& getRelativeTransformationMatrix() { return RelativeTransformation; }
	virtual irr::core::matrix4 getRelativeTransformation() const { return RelativeTransformation; }

	virtual void serializeAttributes(irr::io::IAttributes* out, irr::io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::io::SAttributeReadWriteOptions* options = 0);

	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

private:
	irr::core::matrix4 RelativeTransformation;
	irr::core::aabbox3df Box;
};

#endif
