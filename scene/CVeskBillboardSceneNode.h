#ifndef HX_C_VESK_BILLBOARD_SCENE_NODE_H
#define HX_C_VESK_BILLBOARD_SCENE_NODE_H

#include "document/IVeskSerializationSupport.h"

#include <IBillboardSceneNode.h>
#include <S3DVertex.h>

//! A textured quad that always faces the active camera, or only turns about the vertical
//! axis when IsVertical is set.
class CVeskBillboardSceneNode : public irr::scene::IBillboardSceneNode, public IVeskSerializationSupport
{
public:
	CVeskBillboardSceneNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* sceneManager, irr::s32 id,
		const irr::core::vector3df& position = irr::core::vector3df(0, 0, 0));

	virtual void OnRegisterSceneNode();
	virtual void render();
	virtual const irr::core::aabbox3df& getBoundingBox() const { return Box; }
	virtual irr::video::SMaterial& getMaterial(irr::u32 index) { return Material; }
	virtual irr::u32 getMaterialCount() const { return 1; }
	virtual irr::scene::ESCENE_NODE_TYPE getType() const;
	virtual irr::scene::ISceneNode* clone(irr::scene::ISceneNode* newParent = 0, irr::scene::ISceneManager* newManager = 0);

	//! A zero width or height becomes 1; the box follows the size.
	virtual void setSize(const irr::core::dimension2df& size);
	//! The quad has one width: the bottom edge's.
	virtual void setSize(irr::f32 height, irr::f32 bottomEdgeWidth, irr::f32 topEdgeWidth);
	virtual const irr::core::dimension2df& getSize() const { return Size; }
	virtual void getSize(irr::f32& height, irr::f32& bottomEdgeWidth, irr::f32& topEdgeWidth) const;
	virtual void setColor(const irr::video::SColor& overallColor);
	virtual void setColor(const irr::video::SColor& topColor, const irr::video::SColor& bottomColor);
	virtual void getColor(irr::video::SColor& topColor, irr::video::SColor& bottomColor) const;

	bool getOccludesLight() const { return OccludesLight; }
	bool isVertical() const { return IsVertical; }
	void setVertical(bool vertical);

	virtual void serializeAttributes(irr::io::IAttributes* out, irr::io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::io::SAttributeReadWriteOptions* options = 0);

	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

private:
	enum
	{
		FLAG_OCCLUDES_LIGHT = 1,
		FLAG_IS_VERTICAL = 2
	};

	irr::core::dimension2df Size;
	irr::core::aabbox3df Box;
	irr::video::SMaterial Material;
	irr::video::S3DVertex Vertices[4];
	irr::u16 Indices[6];
	irr::video::SColor TopColor;
	irr::video::SColor BottomColor;
	bool OccludesLight;
	bool IsVertical;
};

#endif
