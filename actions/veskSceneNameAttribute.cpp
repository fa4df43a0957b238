#include "actions/veskSceneNameAttribute.h"

#include "document/CVeskDocument.h"
#include "player/CEdrixServices.h"
#include "scene/CVeskScene.h"

#include <IAttributes.h>

#include <vector>

using namespace irr;

void serializeSceneNameAttribute(io::IAttributes* out, const core::stringc& sceneName)
{
	CEdrixServices* services = getEdrixServices();
	CVeskDocument* document = services ? services->getDocument() : 0;
	if (!document)
	{
		out->addString("Scene", sceneName.c_str());
		return;
	}
	std::vector<core::stringc> names;
	for (s32 i = 0; i < document->getSceneCount(); ++i)
		names.push_back(document->getScene(i)->getName());
	std::vector<const c8*> literals;
	for (const core::stringc& name : names)
		literals.push_back(name.c_str());
	literals.push_back(0);
	out->addEnum("Scene", sceneName.c_str(), literals.data());
}
