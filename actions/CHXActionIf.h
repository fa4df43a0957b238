#ifndef HX_C_HX_ACTION_IF_H
#define HX_C_HX_ACTION_IF_H

#include "actions/IHXAction.h"

#include <irrString.h>

class IHXActionHandler;

//! Compares a variable with a value or another variable and runs one of its two lists.
class CHXActionIf : public IHXAction
{
public:
	enum E_CONDITION
	{
		EC_EQUAL = 0,
		EC_NOT_EQUAL = 1,
		EC_BIGGER = 2,
		EC_SMALLER = 3
	};
	//! Bit of the stored format: an else list is stored.
	enum { FORMAT_WITH_ELSE = 1 };

	CHXActionIf() : Condition(EC_EQUAL), ValueType(0), Value("1"), ThenActions(0), ElseActions(0) {}
	virtual ~CHXActionIf();

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	//! References inside the two lists are left as they are, also for copies of the owner.
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) {}
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	//! Both grab the list (null for none).
	void setThenActions(IHXActionHandler* actions);
	void setElseActions(IHXActionHandler* actions);
	IHXActionHandler* getThenActions() const { return ThenActions; }
	IHXActionHandler* getElseActions() const { return ElseActions; }

	irr::core::stringc VariableName;
	irr::s32 Condition;
	//! E_HX_VALUE_TYPE.
	irr::s32 ValueType;
	irr::core::stringc Value;

private:
	//! The comparison; false, and nothing compared, when the named second variable is missing.
	bool evaluate(bool& result) const;

	IHXActionHandler* ThenActions;
	IHXActionHandler* ElseActions;
};

#endif
