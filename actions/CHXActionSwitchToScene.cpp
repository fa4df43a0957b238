#include "actions/CHXActionSwitchToScene.h"

#include "actions/veskActionServices.h"
#include "actions/veskSceneNameAttribute.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "player/IHXControlInterface.h"

#include <IAttributes.h>

using namespace irr;

s32 CHXActionSwitchToScene::getType() const
{
	return EHAT_SWITCH_TO_SCENE;
}

IHXAction* CHXActionSwitchToScene::clone() const
{
	CHXActionSwitchToScene* copy = new CHXActionSwitchToScene();
	copy->SceneName = SceneName;
	return copy;
}

void CHXActionSwitchToScene::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	IHXControlInterface* control = getActionControlInterface();
	if (control)
		control->switchToScene(SceneName.c_str());
}

void CHXActionSwitchToScene::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	serializeSceneNameAttribute(out, SceneName);
}

void CHXActionSwitchToScene::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	if (in->existsAttribute("Scene"))
		SceneName = in->getAttributeAsString("Scene");
}

void CHXActionSwitchToScene::writeBinary(CVeskSerializer* writer)
{
	writer->writeString(SceneName);
	writer->writeInt(0);
}

void CHXActionSwitchToScene::readBinary(CVeskDeserializer* reader)
{
	reader->readString(SceneName);
	reader->readInt();
}
