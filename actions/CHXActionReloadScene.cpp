#include "actions/CHXActionReloadScene.h"

#include "actions/veskActionServices.h"
#include "actions/veskSceneNameAttribute.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "player/IHXControlInterface.h"

#include <IAttributes.h>

using namespace irr;

s32 CHXActionReloadScene::getType() const
{
	return EHAT_RELOAD_SCENE;
}

IHXAction* CHXActionReloadScene::clone() const
{
	CHXActionReloadScene* copy = new CHXActionReloadScene();
	copy->SceneName = SceneName;
	return copy;
}

void CHXActionReloadScene::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager || SceneName.size() == 0)
		return;
	IHXControlInterface* control = getActionControlInterface();
	if (control)
		control->reloadScene(SceneName.c_str());
}

void CHXActionReloadScene::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	serializeSceneNameAttribute(out, SceneName);
}

void CHXActionReloadScene::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	if (in->existsAttribute("Scene"))
		SceneName = in->getAttributeAsString("Scene");
}

void CHXActionReloadScene::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(0);
	writer->writeString(SceneName);
}

void CHXActionReloadScene::readBinary(CVeskDeserializer* reader)
{
	reader->readInt();
	reader->readString(SceneName);
}
