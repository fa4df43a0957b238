#ifndef HX_C_VESK_SCENE_H
#define HX_C_VESK_SCENE_H

#include <IReferenceCounted.h>
#include <SColor.h>
#include <irrString.h>

namespace irr
{
namespace scene
{
class ICameraSceneNode;
class IMetaTriangleSelector;
class ISceneManager;
}
}

class CVeskDeserializer;
class CVeskSerializer;

//! A scene of the document: a name and a scene manager of its own, whose root carries the
//! node tree and whose extension carries the scene's settings.
class CVeskScene : public virtual irr::IReferenceCounted
{
public:
	CVeskScene();
	virtual ~CVeskScene();

	//! 0 for a 3D scene, 1 for a panorama.
	virtual irr::s32 getSceneType() const { return 0; }
	//! Removes every node of the scene manager.
	virtual void clear();
	//! Writes the name chunk; kinds add their chunks after it.
	virtual void writeBinary(CVeskSerializer* writer);
	//! Reads the name chunk; kinds read their chunks after it up to the end of the scene chunk
	//! whose header was read last.
	virtual void readBinary(CVeskDeserializer* reader, bool skipSettings);

	irr::scene::ISceneManager* getSceneManager() const { return SceneManager; }
	//! Drops the previous manager and grabs the new one (null allowed).
	void setSceneManager(irr::scene::ISceneManager* sceneManager);

	const irr::core::stringc& getName() const { return Name; }
	void setName(const irr::core::stringc& name) { Name = name; }

	//! The scene manager's background colour; 0 without a manager.
	irr::video::SColor getBackgroundColor() const;

	//! The triangles of every colliding mesh node, for the caller (one reference); null
	//! without a scene manager.
	irr::scene::IMetaTriangleSelector* createWorldCollisionSelector() const;
	//! The first active camera node in the engine's traversal order, or null.
	irr::scene::ICameraSceneNode* findActiveCamera() const;

private:
	irr::core::stringc Name;
	irr::scene::ISceneManager* SceneManager;
};

#endif
