#include "actions/CHXActionSetOverlayText.h"

#include "actions/IHXVariable.h"
#include "actions/veskActionServices.h"
#include "player/IHXControlInterface.h"
#include "scene/CVesk2DOverlayNode.h"
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

core::stringc CHXActionSetOverlayText::substituteVariables(const core::stringc& text, IHXControlInterface* control)
{
	core::stringc copy(text);
	s32 index = 0;
	while (index <= s32(copy.size()))
	{
		const s32 opening = copy.findNext('$', u32(index));
		if (opening < 0 || opening == s32(copy.size()) - 1)
			break;
		const s32 closing = copy.findNext('$', u32(opening + 1));
		if (closing < 0)
			break;
		const core::stringc name = copy.subString(u32(opening + 1), u32(closing - opening - 1));
		IHXVariable* variable = control->getVariable(name.c_str(), false);
		if (!variable)
		{
			index = opening + 1;
			continue;
		}
		const core::stringc before = copy.subString(0, u32(opening)) + variable->getValueAsString();
		copy = before + copy.subString(u32(closing + 1), copy.size() - u32(closing + 1));
		index = s32(before.size()) + 1;
		variable->drop();
	}
	return copy;
}

void CHXActionSetOverlayText::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	scene::ISceneNode* node = Target.resolve(currentNode, sceneManager);
	// Only the overlay itself, not the input controls built on it.
	if (!node || node->getType() != scene::ESCENE_NODE_TYPE(VESK_NODE_2D_OVERLAY))
		return;
	CVesk2DOverlayNode* overlay = static_cast<CVesk2DOverlayNode*>(node);
	IHXControlInterface* control = Text.findFirst('$') >= 0 ? getActionControlInterface() : 0;
	overlay->setText(control ? substituteVariables(Text, control).c_str() : Text.c_str());
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
