#include "behaviours/CVeskAnimatorOnKeyPress.h"
#include "actions/CHXActionHandler.h"
#include "behaviours/veskTriggerSupport.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ICameraSceneNode.h>
#include <ISceneManager.h>
#include <ISceneNode.h>
#include <cstring>

namespace irr
{
namespace scene
{

namespace
{

struct SKeyName
{
	const c8* Name;
	s32 Code;
};

const SKeyName NAMED_KEYS[] = { { "Left Mouse Button", 1 }, { "Right Mouse Button", 2 }, { "Escape", 27 },
	{ "Enter", 13 }, { "Tab", 9 }, { "Shift", 16 }, { "Control", 17 }, { "Space", 32 }, { "Left", 37 }, { "Up", 38 },
	{ "Right", 39 }, { "Down", 40 }, { "Delete", 46 }, { "App Menu Key", 93 } };
const u32 NAMED_KEY_COUNT = sizeof(NAMED_KEYS) / sizeof(NAMED_KEYS[0]);

//! The offered key names in offering order: the named keys, "A" to "Z", "0" to "9".
class CKeyNameTable
{
public:
	CKeyNameTable()
	{
		u32 n = 0;
		for (u32 i = 0; i < NAMED_KEY_COUNT; ++i, ++n)
		{
			Names[n] = NAMED_KEYS[i].Name;
			Codes[n] = NAMED_KEYS[i].Code;
		}
		for (u32 i = 0; i < 36; ++i, ++n)
		{
			const c8 letter = i < 26 ? c8('A' + i) : c8('0' + i - 26);
			Letters[i][0] = letter;
			Letters[i][1] = 0;
			Names[n] = Letters[i];
			Codes[n] = s32(u8(letter));
		}
		Names[n] = 0;
	}

	enum
	{
		COUNT = NAMED_KEY_COUNT + 36
	};
	const c8* Names[COUNT + 1];
	s32 Codes[COUNT];

private:
	c8 Letters[36][2];
};

const CKeyNameTable& keyNames()
{
	static const CKeyNameTable table;
	return table;
}

const c8* const KEY_EVENT_NAMES[] = { "Key Pressed Down", "Key Left Up", 0 };

//! The left and right variants of shift, control and menu stand for the key itself.
s32 withoutSide(s32 key)
{
	switch (key)
	{
	case KEY_LSHIFT:
	case KEY_RSHIFT:
		return KEY_SHIFT;
	case KEY_LCONTROL:
	case KEY_RCONTROL:
		return KEY_CONTROL;
	case KEY_LMENU:
	case KEY_RMENU:
		return KEY_MENU;
	default:
		return key;
	}
}

} // end anonymous namespace

CVeskAnimatorOnKeyPress::CVeskAnimatorOnKeyPress(ISceneManager* sceneManager)
	: KeyEvent(EKE_PRESSED_DOWN), KeyCode(KEY_KEY_A), OnlyIfCameraActive(true), SceneManager(sceneManager), Node(0),
	  Actions(0), Registered(false)
{
}

CVeskAnimatorOnKeyPress::~CVeskAnimatorOnKeyPress()
{
	dropActionList(Actions);
}

ESCENE_NODE_ANIMATOR_TYPE CVeskAnimatorOnKeyPress::getType() const
{
	return ESCENE_NODE_ANIMATOR_TYPE(EVBT_ON_KEY_PRESS);
}

const c8* CVeskAnimatorOnKeyPress::getKeyName(s32 keyCode)
{
	const CKeyNameTable& table = keyNames();
	for (u32 i = 0; i < CKeyNameTable::COUNT; ++i)
		if (table.Codes[i] == keyCode)
			return table.Names[i];
	return "";
}

s32 CVeskAnimatorOnKeyPress::getKeyCode(const c8* name)
{
	const CKeyNameTable& table = keyNames();
	for (u32 i = 0; name && i < CKeyNameTable::COUNT; ++i)
		if (strcmp(table.Names[i], name) == 0)
			return table.Codes[i];
	return UNKNOWN_KEY_CODE;
}

void CVeskAnimatorOnKeyPress::setActions(IHXActionHandler* actions)
{
	if (actions)
		actions->grab();
	dropActionList(Actions);
	Actions = actions;
}

void CVeskAnimatorOnKeyPress::attach(ISceneNode* node)
{
	Node = node;
	if (!SceneManager && node)
		SceneManager = node->getSceneManager();
	Registered = node != 0;
	listenForEvents(SceneManager, this, Registered);
}

void CVeskAnimatorOnKeyPress::animateNode(ISceneNode* node, u32 timeMs)
{
	if (node && (node != Node || !Registered))
		attach(node);
}

bool CVeskAnimatorOnKeyPress::matches(const SEvent& event) const
{
	if (event.EventType == EET_MOUSE_INPUT_EVENT)
	{
		const bool down = KeyEvent == EKE_PRESSED_DOWN;
		switch (event.MouseInput.Event)
		{
		case EMIE_LMOUSE_PRESSED_DOWN:
			return KeyCode == KEY_LBUTTON && down;
		case EMIE_LMOUSE_LEFT_UP:
			return KeyCode == KEY_LBUTTON && KeyEvent == EKE_LEFT_UP;
		case EMIE_RMOUSE_PRESSED_DOWN:
			return KeyCode == KEY_RBUTTON && down;
		case EMIE_RMOUSE_LEFT_UP:
			return KeyCode == KEY_RBUTTON && KeyEvent == EKE_LEFT_UP;
		default:
			return false;
		}
	}
	if (event.EventType != EET_KEY_INPUT_EVENT || event.KeyInput.PressedDown != (KeyEvent == EKE_PRESSED_DOWN))
		return false;
	const s32 key = s32(event.KeyInput.Key);
	return key == KeyCode || withoutSide(key) == KeyCode;
}

bool CVeskAnimatorOnKeyPress::OnEvent(const SEvent& event)
{
	if (!Node || !matches(event) || isSceneEditorHost(SceneManager))
		return false;
	if (!isBehaviourInScene(SceneManager, Node, this))
	{
		// The event list holds the last reference; the walk that called this keeps it alive.
		attach(0);
		return false;
	}
	if (Node->isTrulyVisible())
		runTriggeredActions(Actions, Node, SceneManager);
	return false;
}

ISceneNodeAnimator* CVeskAnimatorOnKeyPress::createClone(ISceneNode* node, ISceneManager* newManager)
{
	CVeskAnimatorOnKeyPress* clone = new CVeskAnimatorOnKeyPress(newManager ? newManager : SceneManager);
	clone->KeyEvent = KeyEvent;
	clone->KeyCode = KeyCode;
	clone->OnlyIfCameraActive = OnlyIfCameraActive;
	clone->Actions = cloneActionList(Actions);
	// The copy listens from its first frame: listed at once, a copy made by this very key
	// would take the same key event and copy itself again without end.
	clone->Node = node;
	return clone;
}

IHXAction* CVeskAnimatorOnKeyPress::getActionOfType(s32 actionType)
{
	return getListActionOfType(Actions, actionType);
}

void CVeskAnimatorOnKeyPress::replaceSceneNodeId(s32 oldId, s32 newId)
{
	replaceListSceneNodeId(Actions, oldId, newId);
}

void CVeskAnimatorOnKeyPress::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(KeyEvent);
	writer->writeInt(KeyCode);
	writer->writeBool(OnlyIfCameraActive);
	writer->writeInt(0);
	CHXActionHandler::writeOptional(writer, Actions);
}

void CVeskAnimatorOnKeyPress::readBinary(CVeskDeserializer* reader)
{
	KeyEvent = reader->readInt();
	KeyCode = reader->readInt();
	OnlyIfCameraActive = reader->readBool();
	reader->readInt();
	readActionListInto(reader, Actions);
}

void CVeskAnimatorOnKeyPress::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	// The list behind "Action" is edited as a list, not as an attribute.
	out->addEnum("Key", getKeyName(KeyCode), keyNames().Names);
	out->addEnum("KeyEvent", KeyEvent == EKE_LEFT_UP ? 1 : 0, KEY_EVENT_NAMES);
	if (dynamic_cast<ICameraSceneNode*>(Node))
		out->addBool("OnlyIfCameraActive", OnlyIfCameraActive);
}

void CVeskAnimatorOnKeyPress::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	if (in->existsAttribute("Key"))
		KeyCode = getKeyCode(in->getAttributeAsEnumeration("Key"));
	if (in->existsAttribute("KeyEvent"))
		KeyEvent = in->getAttributeAsEnumeration("KeyEvent", KEY_EVENT_NAMES) == 1 ? EKE_LEFT_UP : EKE_PRESSED_DOWN;
	if (in->existsAttribute("OnlyIfCameraActive"))
		OnlyIfCameraActive = in->getAttributeAsBool("OnlyIfCameraActive");
}

} // end namespace scene
} // end namespace irr
