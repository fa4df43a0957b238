#include "actions/CHXActionHandler.h"

#include "actions/IHXAction.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"

#include <ISceneManager.h>
#include <ISceneNode.h>

using namespace irr;

namespace
{

//! Lists being read right now, one inside the other (document reading runs on the main thread).
s32 ReadingDepth = 0;

} // end anonymous namespace

CHXActionHandler::CHXActionHandler(IrrlichtDevice* device) : Device(device)
{
}

CHXActionHandler::~CHXActionHandler()
{
	for (u32 i = 0; i < Actions.size(); ++i)
		Actions[i]->drop();
}

IHXActionHandler* CHXActionHandler::clone() const
{
	// A clone has no device of its own, as its owner's clone is not read from a document.
	CHXActionHandler* copy = new CHXActionHandler(0);
	for (u32 i = 0; i < Actions.size(); ++i)
	{
		IHXAction* action = Actions[i]->clone();
		copy->addAction(action);
		if (action)
			action->drop();
	}
	return copy;
}

void CHXActionHandler::runActions(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	// An action may reload or delete the scene that owns this list, or remove actions from it.
	grab();
	currentNode->grab();
	sceneManager->grab();
	for (u32 i = 0; i < Actions.size(); ++i)
	{
		IHXAction* action = Actions[i];
		action->grab();
		action->execute(currentNode, sceneManager);
		action->drop();
	}
	sceneManager->drop();
	currentNode->drop();
	drop();
}

IHXAction* CHXActionHandler::getAction(s32 index) const
{
	return index >= 0 && u32(index) < Actions.size() ? Actions[index] : 0;
}

void CHXActionHandler::addAction(IHXAction* action)
{
	if (!action)
		return;
	action->grab();
	Actions.push_back(action);
}

void CHXActionHandler::removeActionAt(s32 index)
{
	if (index < 0 || u32(index) >= Actions.size())
		return;
	Actions[index]->drop();
	Actions.erase(index);
}

void CHXActionHandler::removeAction(IHXAction* action)
{
	for (u32 i = 0; i < Actions.size(); ++i)
		if (Actions[i] == action)
		{
			removeActionAt(s32(i));
			return;
		}
}

IHXAction* CHXActionHandler::getActionOfType(s32 type) const
{
	for (u32 i = 0; i < Actions.size(); ++i)
		if (Actions[i]->getType() == type)
			return Actions[i];
	return 0;
}

void CHXActionHandler::insertAction(IHXAction* action, s32 index)
{
	if (!action)
		return;
	if (index < 0)
		index = 0;
	if (u32(index) > Actions.size())
		index = s32(Actions.size());
	action->grab();
	Actions.insert(action, u32(index));
}

void CHXActionHandler::replaceSceneNodeId(s32 oldId, s32 newId)
{
	for (u32 i = 0; i < Actions.size(); ++i)
		Actions[i]->replaceSceneNodeId(oldId, newId);
}

void CHXActionHandler::writeBinary(CVeskSerializer* writer)
{
	writer->beginChunk(TAG_ACTION_LIST);
	for (u32 i = 0; i < Actions.size(); ++i)
	{
		writer->beginChunk(TAG_ACTION);
		writer->writeInt(Actions[i]->getType());
		Actions[i]->writeBinary(writer);
		writer->endChunk();
	}
	writer->endChunk();
}

void CHXActionHandler::readBinary(CVeskDeserializer* reader)
{
	const u16 tag = reader->readChunkHeader();
	const long listEnd = reader->getChunkEnd();
	if (tag != TAG_ACTION_LIST || ReadingDepth >= MAX_NESTING_DEPTH)
	{
		reader->seekTo(listEnd);
		return;
	}
	if (!Device)
		Device = reader->getDevice();
	++ReadingDepth;
	readActions(reader, listEnd);
	--ReadingDepth;
	// An action that read past its chunk in a damaged record does not shift what follows the list.
	reader->seekTo(listEnd);
}

void CHXActionHandler::readActions(CVeskDeserializer* reader, long listEnd)
{
	while (!reader->isAtEnd() && reader->getPosition() < listEnd)
	{
		const u16 tag = reader->readChunkHeader();
		const long actionEnd = reader->getChunkEnd();
		if (tag != TAG_ACTION)
		{
			reader->seekTo(actionEnd);
			continue;
		}
		IHXAction* action = createAction(reader->readInt());
		if (!action)
		{
			reader->seekTo(actionEnd);
			continue;
		}
		action->readBinary(reader);
		addAction(action);
		action->drop();
	}
}

CHXActionHandler* CHXActionHandler::readOptional(CVeskDeserializer* reader)
{
	if (reader->readInt() == 0)
		return 0;
	CHXActionHandler* list = new CHXActionHandler(0);
	list->readBinary(reader);
	return list;
}

void CHXActionHandler::writeOptional(CVeskSerializer* writer, IHXActionHandler* list)
{
	writer->writeInt(list ? 1 : 0);
	if (list)
		list->writeBinary(writer);
}
