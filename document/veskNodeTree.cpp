#include "document/veskNodeTree.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/IVeskSerializationSupport.h"
#include "document/veskMaterialRecord.h"
#include "document/veskTypeCodes.h"
#include "document/veskVersion.h"
#include "behaviours/veskBehaviourFactory.h"
#include "scene/IVeskMetaDataContainer.h"
#include "scene/veskNodeFactory.h"

#include <IrrlichtDevice.h>

#include <ISceneManager.h>
#include <ISceneNode.h>
#include <ISceneNodeAnimator.h>

using namespace irr;

namespace
{

enum
{
	TAG_NODE = 9,
	TAG_NODE_PAYLOAD = 10,
	TAG_MATERIAL = 11,
	TAG_BEHAVIOUR = 25,
	TAG_METADATA = 31
};

//! Records nested deeper than this are skipped whole, so that a damaged document cannot
//! exhaust the stack.
const s32 MAX_NODE_DEPTH = 64;

struct SNodeHeader
{
	u32 TypeCode;
	s32 Id;
	core::stringc Name;
	core::vector3df Position;
	core::vector3df Rotation;
	core::vector3df Scale;
	bool Visible;
	u32 AutomaticCulling;
};

void readNodeHeader(CVeskDeserializer* reader, SNodeHeader& header)
{
	header.TypeCode = reader->readUInt();
	header.Id = reader->readInt();
	reader->readString(header.Name);
	header.Position = reader->readVector();
	header.Rotation = reader->readVector();
	header.Scale = reader->readVector();
	header.Visible = reader->readBool();
	header.AutomaticCulling = reader->readUInt();
}

//! Makes the node of chunk 10 (its header read last) below parent; null when the code names
//! no class this player has.
scene::ISceneNode* createNode(CVeskDeserializer* reader, const SNodeHeader& header, scene::ISceneNode* parent,
	scene::ISceneManager* sceneManager)
{
	const long payloadEnd = reader->getChunkEnd();
	scene::ISceneNode* node = createVeskSceneNode(header.TypeCode, parent, sceneManager, header.Id, header.Position, reader);
	if (!node)
		return 0;
	node->setRotation(header.Rotation);
	node->setScale(header.Scale);
	node->setVisible(header.Visible);
	node->setName(header.Name);
	node->setAutomaticCulling(header.AutomaticCulling);
	node->updateAbsolutePosition();
	IVeskSerializationSupport* payload = dynamic_cast<IVeskSerializationSupport*>(node);
	if (payload)
		payload->readBinary(reader);
	// A class that reads less or more than its payload must not shift the rest of the record.
	reader->seekTo(payloadEnd);
	parent->addChild(node);
	node->drop();
	return node;
}

//! The metadata list of the node classes whose records carry one (mesh and dummy transformation
//! nodes; the sky box derives from the mesh node but its records do not), or null.
IVeskMetaDataContainer* findRecordMetaData(u32 typeCode, scene::ISceneNode* node)
{
	if (!node || (typeCode != VESK_NODE_MESH && typeCode != VESK_NODE_DUMMY_TRANSFORMATION))
		return 0;
	return dynamic_cast<IVeskMetaDataContainer*>(node);
}

void readRootAmbientLight(CVeskDeserializer* reader, scene::ISceneManager* sceneManager)
{
	video::SColorf ambient = reader->readColorf();
	if (isVeskVersionOlderThan(reader->getVersion(), 600))
	{
		ambient.r *= 0.25f;
		ambient.g *= 0.25f;
		ambient.b *= 0.25f;
	}
	sceneManager->setAmbientLight(ambient);
}

//! Reads the behaviour record whose chunk header was read last onto target; skipped when there
//! is no target or no class for the stored type.
void readBehaviour(CVeskDeserializer* reader, scene::ISceneNode* target, scene::ISceneManager* sceneManager)
{
	if (!target || reader->getRemainingBytes() < 4)
		return;
	const s32 type = reader->readInt();
	IrrlichtDevice* device = reader->getDevice();
	IVeskSerializationSupport* payload = 0;
	scene::ISceneNodeAnimator* behaviour = createBehaviour(type, sceneManager, device ? device->getCursorControl() : 0, &payload);
	if (!behaviour)
		return;
	payload->readBinary(reader);
	target->addAnimator(behaviour);
	behaviour->drop();
}

} // end anonymous namespace

void readNodeTree(CVeskDeserializer* reader, scene::ISceneNode* root, scene::ISceneManager* sceneManager)
{
	const long end = reader->getChunkEnd();
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		if (tag == TAG_NODE && root && sceneManager)
			readNodeRecord(reader, root, sceneManager, 0);
		else
			reader->skipChunk();
	}
}

void readNodeRecord(CVeskDeserializer* reader, scene::ISceneNode* parent, scene::ISceneManager* sceneManager, s32 depth)
{
	const long end = reader->getChunkEnd();
	if (depth > MAX_NODE_DEPTH || !parent || !sceneManager)
	{
		reader->seekTo(end);
		return;
	}
	SNodeHeader header;
	readNodeHeader(reader, header);
	if (depth == 0)
	{
		parent->setVisible(header.Visible);
		parent->setName(header.Name);
		parent->setAutomaticCulling(header.AutomaticCulling);
	}

	scene::ISceneNode* node = 0;
	IVeskMetaDataContainer* metaDataTarget = 0;
	u32 materialIndex = 0;
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long chunkEnd = reader->getChunkEnd();
		switch (tag)
		{
		case TAG_NODE:
			readNodeRecord(reader, node ? node : parent, sceneManager, depth + 1);
			break;
		case TAG_NODE_PAYLOAD:
			if (findVeskNodeClassName(header.TypeCode))
			{
				scene::ISceneNode* made = createNode(reader, header, parent, sceneManager);
				if (made)
				{
					node = made;
					metaDataTarget = findRecordMetaData(header.TypeCode, node);
				}
			}
			else if (depth == 0)
				readRootAmbientLight(reader, sceneManager);
			break;
		case TAG_MATERIAL:
		{
			const video::SMaterial material = readMaterial(reader);
			if (node && materialIndex < node->getMaterialCount())
				node->getMaterial(materialIndex) = material;
			++materialIndex;
			break;
		}
		case TAG_BEHAVIOUR:
			readBehaviour(reader, node ? node : (depth == 0 ? parent : 0), sceneManager);
			break;
		case TAG_METADATA:
			// Only the record's first metadata chunk counts.
			if (metaDataTarget)
				metaDataTarget->readMetaData(reader);
			metaDataTarget = 0;
			break;
		default:
			break;
		}
		reader->seekTo(chunkEnd);
	}
}

void writeNodeRecord(CVeskSerializer* writer, scene::ISceneNode* node, scene::ISceneManager* sceneManager)
{
	if (!node || node->isDebugObject())
		return;
	const bool isRoot = node->getParent() == 0;
	IVeskSerializationSupport* payload = dynamic_cast<IVeskSerializationSupport*>(node);
	// Nodes of engine classes have no record format: they and their subtrees are left out.
	if (!isRoot && !payload)
		return;
	writer->beginChunk(TAG_NODE);
	writer->writeUInt(isRoot ? VESK_NODE_ROOT : u32(node->getType()));
	writer->writeInt(node->getID());
	writer->writeString(core::stringc(node->getName()));
	writer->writeVector(node->getPosition());
	writer->writeVector(node->getRotation());
	writer->writeVector(node->getScale());
	writer->writeBool(node->isVisible());
	writer->writeUInt(node->getAutomaticCulling());

	writer->beginChunk(TAG_NODE_PAYLOAD);
	if (isRoot)
		writer->writeColorf(sceneManager ? sceneManager->getAmbientLight() : video::SColorf(0, 0, 0, 0));
	else
		payload->writeBinary(writer);
	writer->endChunk();

	for (u32 i = 0; i < node->getMaterialCount(); ++i)
	{
		writer->beginChunk(TAG_MATERIAL);
		writeMaterial(writer, node->getMaterial(i));
		writer->endChunk();
	}

	const core::list<scene::ISceneNodeAnimator*>& animators = node->getAnimators();
	for (core::list<scene::ISceneNodeAnimator*>::ConstIterator it = animators.begin(); it != animators.end(); ++it)
		writeBehaviourRecord(writer, *it);

	const IVeskMetaDataContainer* metaData = isRoot ? 0 : findRecordMetaData(u32(node->getType()), node);
	if (metaData && metaData->getEntryCount() > 0)
		metaData->writeMetaData(writer);

	const core::list<scene::ISceneNode*>& children = node->getChildren();
	for (core::list<scene::ISceneNode*>::ConstIterator it = children.begin(); it != children.end(); ++it)
		writeNodeRecord(writer, *it, sceneManager);
	writer->endChunk();
}

void writeBehaviourRecord(CVeskSerializer* writer, scene::ISceneNodeAnimator* behaviour)
{
	const s32 type = behaviour ? s32(behaviour->getType()) : 0;
	IVeskSerializationSupport* payload = dynamic_cast<IVeskSerializationSupport*>(behaviour);
	if (!payload || type < EVBT_FIRST || type > EVBT_LAST)
		return;
	writer->beginChunk(TAG_BEHAVIOUR);
	writer->writeInt(type);
	payload->writeBinary(writer);
	writer->endChunk();
}
