#include "actions/CHXActionQuitApplication.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

using namespace irr;

s32 CHXActionQuitApplication::getType() const
{
	return EHAT_QUIT_APPLICATION;
}

IHXAction* CHXActionQuitApplication::clone() const
{
	return new CHXActionQuitApplication(Device);
}

void CHXActionQuitApplication::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (Device)
		Device->closeDevice();
}

void CHXActionQuitApplication::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(0);
}

void CHXActionQuitApplication::readBinary(CVeskDeserializer* reader)
{
	reader->readInt();
}
