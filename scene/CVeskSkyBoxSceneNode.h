#ifndef HX_C_VESK_SKY_BOX_SCENE_NODE_H
#define HX_C_VESK_SKY_BOX_SCENE_NODE_H

#include "scene/CVeskMeshSceneNode.h"

//! A cube of six textured faces around the camera, drawn before the scene without depth.
//! Seen through an orthogonal camera it shows the one face the camera looks at, over the
//! whole screen.
class CVeskSkyBoxSceneNode : public CVeskMeshSceneNode
{
public:
	CVeskSkyBoxSceneNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* sceneManager, irr::s32 id,
		const irr::core::vector3df& position = irr::core::vector3df(0, 0, 0));

	virtual void OnRegisterSceneNode();
	virtual void render();
	virtual irr::scene::ESCENE_NODE_TYPE getType() const;
	virtual irr::scene::ISceneNode* clone(irr::scene::ISceneNode* newParent = 0, irr::scene::ISceneManager* newManager = 0);
	//! Also clamps the first texture layer of every face to its edges.
	virtual void setOwnMesh(irr::scene::SMesh* mesh);

	//! Only the engine's common attributes.
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::io::SAttributeReadWriteOptions* options = 0);

private:
	void createDefaultMesh();
	void drawFaceOverScreen(const irr::core::vector3df& viewDirection);
};

#endif
