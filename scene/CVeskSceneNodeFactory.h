#ifndef HX_C_VESK_SCENE_NODE_FACTORY_H
#define HX_C_VESK_SCENE_NODE_FACTORY_H

#include <ISceneNodeFactory.h>

namespace irr
{
namespace scene
{
class ISceneManager;
}
}

class CVeskSceneManagerExtension;

//! Makes the program's node classes by their type codes for one scene manager, which holds it
//! as one of its node factories. It also carries the manager's extension object, so that the
//! extension lives exactly as long as the manager. It holds no reference to the manager.
class CVeskSceneNodeFactory : public irr::scene::ISceneNodeFactory
{
public:
	CVeskSceneNodeFactory(irr::scene::ISceneManager* sceneManager, CVeskSceneManagerExtension* extension);
	virtual ~CVeskSceneNodeFactory();

	virtual irr::scene::ISceneNode* addSceneNode(irr::scene::ESCENE_NODE_TYPE type, irr::scene::ISceneNode* parent = 0);
	virtual irr::scene::ISceneNode* addSceneNode(const irr::c8* typeName, irr::scene::ISceneNode* parent = 0);
	virtual irr::u32 getCreatableSceneNodeTypeCount() const;
	virtual irr::scene::ESCENE_NODE_TYPE getCreateableSceneNodeType(irr::u32 index) const;
	virtual const irr::c8* getCreateableSceneNodeTypeName(irr::u32 index) const;
	virtual const irr::c8* getCreateableSceneNodeTypeName(irr::scene::ESCENE_NODE_TYPE type) const;

private:
	irr::scene::ISceneManager* SceneManager;
	CVeskSceneManagerExtension* Extension;
};

#endif
