#ifndef HX_C_VESK_MESH_SCENE_NODE_H
#define HX_C_VESK_MESH_SCENE_NODE_H

#include "document/IVeskSerializationSupport.h"
#include "scene/CVeskMetaDataContainer.h"

#include <IMeshSceneNode.h>
#include <irrArray.h>
#include <irrString.h>

namespace irr
{
namespace scene
{
struct SMesh;
class IMeshBuffer;
}
}

//! A static mesh in the scene: either a mesh shared through the mesh cache, with the node's
//! own copies of its materials, or a mesh that belongs to the node alone (the one embedded in
//! the document), whose buffers carry the materials themselves. Carries the editor's metadata
//! entries.
class CVeskMeshSceneNode : public irr::scene::IMeshSceneNode, public IVeskSerializationSupport,
	public CVeskMetaDataContainer
{
public:
	CVeskMeshSceneNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* sceneManager, irr::s32 id,
		const irr::core::vector3df& position = irr::core::vector3df(0, 0, 0),
		const irr::core::vector3df& rotation = irr::core::vector3df(0, 0, 0),
		const irr::core::vector3df& scale = irr::core::vector3df(1, 1, 1));
	virtual ~CVeskMeshSceneNode();

	virtual void OnRegisterSceneNode();
	virtual void render();
	virtual const irr::core::aabbox3df& getBoundingBox() const;
	//! Out of range, and for a node without materials, a scratch material whose changes are lost.
	virtual irr::video::SMaterial& getMaterial(irr::u32 index);
	virtual irr::u32 getMaterialCount() const;
	virtual irr::scene::ESCENE_NODE_TYPE getType() const;
	virtual irr::scene::ISceneNode* clone(irr::scene::ISceneNode* newParent = 0, irr::scene::ISceneManager* newManager = 0);

	//! Shares mesh (null is ignored) and takes copies of its materials; an own mesh is given up.
	virtual void setMesh(irr::scene::IMesh* mesh);
	virtual irr::scene::IMesh* getMesh();
	virtual void setReadOnlyMaterials(bool readOnly) { ReadOnlyMaterials = readOnly; }
	virtual bool isReadOnlyMaterials() const { return ReadOnlyMaterials; }
	//! Stencil shadow volumes are not used by this player; the engine's volume node class is
	//! not available to programs, so none is made.
	virtual irr::scene::IShadowVolumeSceneNode* addShadowVolumeSceneNode(const irr::scene::IMesh* shadowMesh = 0,
		irr::s32 id = -1, bool zfailmethod = true, irr::f32 infinity = 1000.0f);

	//! Makes mesh the node's own mesh (and the mesh drawn); its buffers' materials are the node's.
	virtual void setOwnMesh(irr::scene::SMesh* mesh);
	irr::scene::SMesh* getOwnMesh() const { return OwnMesh; }
	//! True: gives the node an empty own mesh unless it has one. False: drops own mesh and mesh.
	void createOwnMesh(bool create);

	bool getCollision() const { return Collision; }
	void setCollision(bool collision) { Collision = collision; }
	bool getOccludesLight() const { return OccludesLight; }
	void setOccludesLight(bool occludes) { OccludesLight = occludes; }
	bool getReceivesNoShadows() const { return ReceivesNoShadows; }
	void setReceivesNoShadows(bool receivesNoShadows) { ReceivesNoShadows = receivesNoShadows; }
	const irr::core::stringc& getSourceMeshFileName() const { return SourceMeshFileName; }
	//! How often the node was drawn since it registered last.
	irr::s32 getRenderCount() const { return RenderCount; }

	virtual void serializeAttributes(irr::io::IAttributes* out, irr::io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::io::SAttributeReadWriteOptions* options = 0);

	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

protected:
	//! The material buffer index draws with.
	const irr::video::SMaterial& getDrawingMaterial(irr::u32 index, irr::scene::IMeshBuffer* buffer) const;
	bool usesBufferMaterials() const;
	bool isTransparentMaterial(const irr::video::SMaterial& material) const;
	void drawBuffer(irr::scene::IMeshBuffer* buffer, const irr::video::SMaterial& material);
	//! Copies what a clone shares with this node into clone.
	void copyMeshNodeMembers(CVeskMeshSceneNode* clone, irr::scene::ISceneManager* newManager) const;

	irr::core::array<irr::video::SMaterial> Materials;
	irr::core::aabbox3df Box;
	irr::video::SMaterial ReadOnlyCopy;
	irr::scene::IMesh* Mesh;
	irr::scene::SMesh* OwnMesh;
	irr::s32 RenderCount;
	irr::core::stringc SourceMeshFileName;
	bool ReadOnlyMaterials;
	bool ReceivesNoShadows;
	bool Collision;
	bool OccludesLight;
};

#endif
