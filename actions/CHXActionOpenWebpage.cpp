#include "actions/CHXActionOpenWebpage.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>

using namespace irr;

s32 CHXActionOpenWebpage::getType() const
{
	return EHAT_OPEN_WEBPAGE;
}

IHXAction* CHXActionOpenWebpage::clone() const
{
	CHXActionOpenWebpage* copy = new CHXActionOpenWebpage();
	copy->Url = Url;
	copy->Target = Target;
	return copy;
}

void CHXActionOpenWebpage::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	out->addString("URL", Url.c_str());
	out->addString("Target", Target.c_str());
}

void CHXActionOpenWebpage::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	if (in->existsAttribute("URL"))
		Url = in->getAttributeAsString("URL");
	if (in->existsAttribute("Target"))
		Target = in->getAttributeAsString("Target");
}

void CHXActionOpenWebpage::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(0);
	writer->writeString(Url);
	writer->writeString(Target);
}

void CHXActionOpenWebpage::readBinary(CVeskDeserializer* reader)
{
	reader->readInt();
	reader->readString(Url);
	reader->readString(Target);
}
