#include "actions/CHXActionStoreLoadVariable.h"

#include "actions/IHXVariable.h"
#include "actions/veskActionServices.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "player/IHXControlInterface.h"

#include <IAttributes.h>

using namespace irr;

namespace
{

const c8* const MODE_NAMES[] = { "Load Variable", "Save Variable", 0 };

} // end anonymous namespace

s32 CHXActionStoreLoadVariable::getType() const
{
	return EHAT_STORE_LOAD_VARIABLE;
}

IHXAction* CHXActionStoreLoadVariable::clone() const
{
	CHXActionStoreLoadVariable* copy = new CHXActionStoreLoadVariable();
	copy->VariableName = VariableName;
	copy->Load = Load;
	return copy;
}

void CHXActionStoreLoadVariable::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager || VariableName.size() == 0)
		return;
	IHXControlInterface* control = getActionControlInterface();
	if (!control)
		return;
	// Loading creates the variable; a variable that does not exist is not stored.
	IHXVariable* variable = control->getVariable(VariableName.c_str(), Load);
	if (!variable)
		return;
	control->storeOrLoadVariable(variable, Load);
	variable->drop();
}

void CHXActionStoreLoadVariable::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	out->addString("VariableName", VariableName.c_str());
	out->addEnum("Mode", MODE_NAMES[Load ? 0 : 1], MODE_NAMES);
}

void CHXActionStoreLoadVariable::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	if (in->existsAttribute("VariableName"))
		VariableName = in->getAttributeAsString("VariableName");
	if (in->existsAttribute("Mode"))
		Load = in->getAttributeAsEnumeration("Mode", MODE_NAMES) == 0;
}

void CHXActionStoreLoadVariable::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(0);
	writer->writeString(VariableName);
	writer->writeBool(Load);
}

void CHXActionStoreLoadVariable::readBinary(CVeskDeserializer* reader)
{
	reader->readInt();
	reader->readString(VariableName);
	Load = reader->readBool();
}
