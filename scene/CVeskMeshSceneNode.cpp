#include "scene/CVeskMeshSceneNode.h"
#include "behaviours/veskBehaviours.h"
#include "render/veskMaterialRenderers.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskMeshRecords.h"
#include "document/veskTypeCodes.h"
#include "render/veskRenderPass.h"

#include <IAttributes.h>
#include <IMaterialRenderer.h>
#include <IMeshBuffer.h>
#include <IMeshManipulator.h>
#include <ISceneManager.h>
#include <IVideoDriver.h>
#include <SMesh.h>

using namespace irr;

namespace
{

const u16 SOURCE_MESH_FILE_NAME_CHUNK = 27;
const u16 OWN_MESH_CHUNK = 14;

} // end anonymous namespace

CVeskMeshSceneNode::CVeskMeshSceneNode(scene::ISceneNode* parent, scene::ISceneManager* sceneManager, s32 id,
	const core::vector3df& position, const core::vector3df& rotation, const core::vector3df& scale)
	: scene::IMeshSceneNode(parent, sceneManager, id, position, rotation, scale),
	  Box(-1, -1, -1, 1, 1, 1), Mesh(0), OwnMesh(0), RenderCount(0), ReadOnlyMaterials(false),
	  ReceivesNoShadows(true), Collision(true), OccludesLight(true)
{
}

CVeskMeshSceneNode::~CVeskMeshSceneNode()
{
	if (OwnMesh)
		OwnMesh->drop();
	if (Mesh)
		Mesh->drop();
}

bool CVeskMeshSceneNode::usesBufferMaterials() const
{
	return OwnMesh || (ReadOnlyMaterials && Mesh);
}

bool CVeskMeshSceneNode::isTransparentMaterial(const video::SMaterial& material) const
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	video::IMaterialRenderer* renderer = driver ? driver->getMaterialRenderer(material.MaterialType) : 0;
	return renderer && renderer->isTransparent();
}

void CVeskMeshSceneNode::OnRegisterSceneNode()
{
	if (!IsVisible)
		return;
	RenderCount = 0;

	bool solid = false;
	bool transparent = false;
	if (usesBufferMaterials())
	{
		for (u32 i = 0; i < Mesh->getMeshBufferCount() && !(solid && transparent); ++i)
		{
			scene::IMeshBuffer* buffer = Mesh->getMeshBuffer(i);
			if (buffer && isTransparentMaterial(buffer->getMaterial()))
				transparent = true;
			else
				solid = true;
		}
	}
	else
	{
		for (u32 i = 0; i < Materials.size() && !(solid && transparent); ++i)
		{
			if (isTransparentMaterial(Materials[i]))
				transparent = true;
			else
				solid = true;
		}
	}
	if (solid)
		registerVeskNodeForRendering(SceneManager, this, getVeskRegistrationPass(this, EVRP_SOLID));
	if (transparent)
		registerVeskNodeForRendering(SceneManager, this, getVeskRegistrationPass(this, EVRP_TRANSPARENT));

	ISceneNode::OnRegisterSceneNode();
}

const video::SMaterial& CVeskMeshSceneNode::getDrawingMaterial(u32 index, scene::IMeshBuffer* buffer) const
{
	if (usesBufferMaterials() || index >= Materials.size())
		return buffer->getMaterial();
	return Materials[index];
}

void CVeskMeshSceneNode::drawBuffer(scene::IMeshBuffer* buffer, const video::SMaterial& material)
{
	video::IVideoDriver* driver = SceneManager->getVideoDriver();
	setVeskMaterial(driver, material);
	driver->drawMeshBuffer(buffer);
}

void CVeskMeshSceneNode::render()
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	if (!driver || !Mesh)
		return;

	// A node with solid and transparent buffers is registered for both passes and draws
	// each buffer in the pass of its kind only.
	const bool transparentPass = getVeskCurrentRenderPass(SceneManager) == EVRP_TRANSPARENT;
	++RenderCount;
	driver->setTransform(video::ETS_WORLD, AbsoluteTransformation);
	Box = Mesh->getBoundingBox();

	for (u32 i = 0; i < Mesh->getMeshBufferCount(); ++i)
	{
		scene::IMeshBuffer* buffer = Mesh->getMeshBuffer(i);
		if (!buffer)
			continue;
		const video::SMaterial& material = getDrawingMaterial(i, buffer);
		if (isTransparentMaterial(material) == transparentPass)
			drawBuffer(buffer, material);
	}
}

const core::aabbox3df& CVeskMeshSceneNode::getBoundingBox() const
{
	return Mesh ? Mesh->getBoundingBox() : Box;
}

video::SMaterial& CVeskMeshSceneNode::getMaterial(u32 index)
{
	if (usesBufferMaterials())
	{
		scene::IMeshBuffer* buffer = index < Mesh->getMeshBufferCount() ? Mesh->getMeshBuffer(index) : 0;
		if (buffer && OwnMesh)
			return buffer->getMaterial();
		// Read-only materials hand out a copy so that changes do not reach the shared mesh.
		ReadOnlyCopy = buffer ? buffer->getMaterial() : video::SMaterial();
		return ReadOnlyCopy;
	}
	if (index < Materials.size())
		return Materials[index];
	ReadOnlyCopy = video::SMaterial();
	return ReadOnlyCopy;
}

u32 CVeskMeshSceneNode::getMaterialCount() const
{
	return usesBufferMaterials() ? Mesh->getMeshBufferCount() : Materials.size();
}

scene::ESCENE_NODE_TYPE CVeskMeshSceneNode::getType() const
{
	return scene::ESCENE_NODE_TYPE(VESK_NODE_MESH);
}

void CVeskMeshSceneNode::setMesh(scene::IMesh* mesh)
{
	if (!mesh)
		return;
	mesh->grab();
	if (OwnMesh)
		OwnMesh->drop();
	OwnMesh = 0;
	if (Mesh)
		Mesh->drop();
	Mesh = mesh;

	Materials.set_used(0);
	for (u32 i = 0; i < Mesh->getMeshBufferCount(); ++i)
	{
		scene::IMeshBuffer* buffer = Mesh->getMeshBuffer(i);
		Materials.push_back(buffer ? buffer->getMaterial() : video::SMaterial());
	}
}

scene::IMesh* CVeskMeshSceneNode::getMesh()
{
	return Mesh;
}

scene::IShadowVolumeSceneNode* CVeskMeshSceneNode::addShadowVolumeSceneNode(const scene::IMesh* shadowMesh,
	s32 id, bool zfailmethod, f32 infinity)
{
	return 0;
}

void CVeskMeshSceneNode::setOwnMesh(scene::SMesh* mesh)
{
	Materials.set_used(0);
	if (mesh)
	{
		mesh->grab();
		mesh->grab();
	}
	if (OwnMesh)
		OwnMesh->drop();
	if (Mesh)
		Mesh->drop();
	OwnMesh = mesh;
	Mesh = mesh;
}

void CVeskMeshSceneNode::createOwnMesh(bool create)
{
	if (create)
	{
		if (OwnMesh)
			return;
		scene::SMesh* mesh = new scene::SMesh();
		setOwnMesh(mesh);
		mesh->drop();
		return;
	}
	setOwnMesh(0);
}

void CVeskMeshSceneNode::copyMeshNodeMembers(CVeskMeshSceneNode* clone, scene::ISceneManager* newManager) const
{
	clone->cloneMembers(const_cast<CVeskMeshSceneNode*>(this), newManager);
	if (OwnMesh)
	{
		scene::SMesh* copy = newManager->getMeshManipulator()->createMeshCopy(OwnMesh);
		// The engine's copy leaves every buffer with a default box.
		for (u32 i = 0; i < copy->getMeshBufferCount() && i < OwnMesh->getMeshBufferCount(); ++i)
			copy->getMeshBuffer(i)->setBoundingBox(OwnMesh->getMeshBuffer(i)->getBoundingBox());
		clone->setOwnMesh(copy);
		copy->drop();
	}
	else if (Mesh)
		clone->setMesh(Mesh);
	clone->Materials = Materials;
	clone->Box = Box;
	clone->SourceMeshFileName = SourceMeshFileName;
	clone->ReadOnlyMaterials = ReadOnlyMaterials;
	clone->ReceivesNoShadows = ReceivesNoShadows;
	clone->Collision = Collision;
	clone->OccludesLight = OccludesLight;
	clone->copyFrom(this);
}

scene::ISceneNode* CVeskMeshSceneNode::clone(scene::ISceneNode* newParent, scene::ISceneManager* newManager)
{
	if (!newParent)
		newParent = Parent;
	if (!newManager)
		newManager = SceneManager;
	CVeskMeshSceneNode* node = new CVeskMeshSceneNode(newParent, newManager, ID, RelativeTranslation,
		RelativeRotation, RelativeScale);
	copyMeshNodeMembers(node, newManager);
	if (newParent)
		node->drop();
	return node;
}

void CVeskMeshSceneNode::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	ISceneNode::serializeAttributes(out, options);
	out->addBool("Collision", Collision);
	out->addBool("OccludesLight", OccludesLight);
}

void CVeskMeshSceneNode::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	ISceneNode::deserializeAttributes(in, options);
	if (in->existsAttribute("Collision"))
		Collision = in->getAttributeAsBool("Collision");
	if (in->existsAttribute("OccludesLight"))
		OccludesLight = in->getAttributeAsBool("OccludesLight");
}

void CVeskMeshSceneNode::writeBinary(CVeskSerializer* writer)
{
	writer->writeBox(Box);
	writer->writeBool(ReadOnlyMaterials);
	writer->writeBool(ReceivesNoShadows);
	writer->writeBool(Collision);
	writer->writeBool(OccludesLight);
	if (SourceMeshFileName.size())
	{
		writer->beginChunk(SOURCE_MESH_FILE_NAME_CHUNK);
		writer->writeString(SourceMeshFileName);
		writer->endChunk();
	}
	if (OwnMesh)
	{
		writer->beginChunk(OWN_MESH_CHUNK);
		writeStaticMesh(writer, OwnMesh);
		writer->endChunk();
	}
}

void CVeskMeshSceneNode::readBinary(CVeskDeserializer* reader)
{
	const long payloadEnd = reader->getChunkEnd();
	Box = reader->readBox();
	ReadOnlyMaterials = reader->readBool();
	ReceivesNoShadows = reader->readBool();
	Collision = reader->readBool();
	OccludesLight = reader->readBool();

	while (!reader->isAtEnd() && reader->getPosition() < payloadEnd)
	{
		const u16 tag = reader->readChunkHeader();
		// A damaged sub-chunk size must not carry the reader past the payload.
		const long chunkEnd = core::min_(reader->getChunkEnd(), payloadEnd);
		if (tag == SOURCE_MESH_FILE_NAME_CHUNK)
			reader->readString(SourceMeshFileName);
		else if (tag == OWN_MESH_CHUNK)
		{
			scene::SMesh* mesh = readStaticMesh(reader);
			if (mesh)
			{
				setOwnMesh(mesh);
				mesh->drop();
			}
		}
		reader->seekTo(chunkEnd);
	}
}
