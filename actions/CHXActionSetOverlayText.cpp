#include "actions/CHXActionSetOverlayText.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>

using namespace irr;

s32 CHXActionSetOverlayText::getType() const
{
	return EHAT_SET_OVERLAY_TEXT;
}

IHXAction* CHXActionSetOverlayText::clone() const
{
	CHXActionSetOverlayText* copy = new CHXActionSetOverlayText();
	copy->Target = Target;
	copy->Text = Text;
	return copy;
}

void CHXActionSetOverlayText::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	Target.serializeAttribute(out, "Change which Overlay", sceneManager);
	out->addString("Text", Text.c_str());
}

void CHXActionSetOverlayText::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	Target.deserializeAttribute(in, "Change which Overlay", sceneManager);
	if (in->existsAttribute("Text"))
		Text = in->getAttributeAsString("Text");
}

void CHXActionSetOverlayText::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(0);
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeString(Text);
}

void CHXActionSetOverlayText::readBinary(CVeskDeserializer* reader)
{
	reader->readInt();
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	reader->readString(Text);
}
