#ifndef HX_VESK_SCENE_MANAGER_H
#define HX_VESK_SCENE_MANAGER_H

namespace irr
{
namespace scene
{
class ISceneManager;
}
}

class CVeskSceneManagerExtension;

//! A new, empty scene manager made by deviceSceneManager (nodes are not copied), carrying
//! the program's extension object. One reference for the caller.
irr::scene::ISceneManager* createVeskSceneManager(irr::scene::ISceneManager* deviceSceneManager);

//! The extension object of a scene manager made by createVeskSceneManager, or null.
CVeskSceneManagerExtension* getSceneExtension(irr::scene::ISceneManager* sceneManager);

//! Makes getSceneExtension answer null for sceneManager; used while the manager is destroyed.
void forgetSceneExtension(irr::scene::ISceneManager* sceneManager);

#endif
