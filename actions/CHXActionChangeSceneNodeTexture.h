#ifndef HX_C_HX_ACTION_CHANGE_SCENE_NODE_TEXTURE_H
#define HX_C_HX_ACTION_CHANGE_SCENE_NODE_TEXTURE_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

namespace irr
{
namespace video
{
class ITexture;
}
}

//! Puts a texture on the first layer of every material of a node, or of one material.
class CHXActionChangeSceneNodeTexture : public IHXAction
{
public:
	enum E_MODE
	{
		EM_ALL_MATERIALS = 0,
		EM_MATERIAL_WITH_INDEX = 1
	};

	CHXActionChangeSceneNodeTexture() : Mode(EM_ALL_MATERIALS), MaterialIndex(0), Texture(0) {}
	virtual ~CHXActionChangeSceneNodeTexture();

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) { Target.replaceSceneNodeId(oldId, newId); }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	//! Grabs the texture (null for none).
	void setTexture(irr::video::ITexture* texture);
	irr::video::ITexture* getTexture() const { return Texture; }

	irr::s32 Mode;
	SHXNodeReference Target;
	irr::s32 MaterialIndex;

private:
	irr::video::ITexture* Texture;
};

#endif
