#include "actions/veskFreshNodeIds.h"

#include "actions/veskActionServices.h"

#include <ISceneManager.h>
#include <ISceneNode.h>

using namespace irr;

namespace
{

const s32 MAX_ATTEMPTS = 1000;
//! Ids below this are the authored ones that documents give their fixed nodes.
const s32 FIRST_FRESH_ID = 10;

} // end anonymous namespace

s32 findFreshNodeId(scene::ISceneManager* sceneManager)
{
	for (s32 attempt = 0; attempt < MAX_ATTEMPTS; ++attempt)
	{
		const s32 k = drawActionRandom();
		const s32 id = k < FIRST_FRESH_ID ? k + FIRST_FRESH_ID : k;
		if (!sceneManager->getSceneNodeFromId(id))
			return id;
	}
	return -1;
}

void giveFreshNodeIds(scene::ISceneNode* source, scene::ISceneNode* copy, scene::ISceneManager* sceneManager)
{
	const s32 id = findFreshNodeId(sceneManager);
	if (id != -1)
		copy->setID(id);
	const scene::ISceneNodeList& sourceChildren = source->getChildren();
	const scene::ISceneNodeList& copyChildren = copy->getChildren();
	scene::ISceneNodeList::ConstIterator a = sourceChildren.begin();
	scene::ISceneNodeList::ConstIterator b = copyChildren.begin();
	for (; a != sourceChildren.end() && b != copyChildren.end(); ++a, ++b)
	{
		if ((*a)->getType() != (*b)->getType())
			return;
		giveFreshNodeIds(*a, *b, sceneManager);
	}
}
