#include "player/CPlayer.h"

#include "document/publishedExecutable.h"
#include "platform/ownExecutablePath.h"
#include "player/CFrameLimiter.h"
#include "player/CLoadingScreen.h"
#include "player/CPlayerDeviceFactory.h"
#include "render/veskMaterialRenderers.h"

#include <IGUIEnvironment.h>
#include <ITimer.h>
#include <IVideoDriver.h>
#include <Keycodes.h>

using namespace irr;

namespace
{

CPlayer* ThePlayer = 0;

//! The loading screen stays up at least this long when there is a loading image.
const u32 MINIMUM_LOADING_SCREEN_MS = 4000;

} // end anonymous namespace

CPlayer* CPlayer::getInstance()
{
	return ThePlayer;
}

CPlayer::CPlayer(bool debug, bool windowed, bool headMountedDisplay, const char* scriptPath,
	const core::dimension2di* windowSize)
	: Device(0), ExecutableFile(0), LoadingImage(0), CurrentSceneManager(0), FramesDrawn(0), Debug(debug),
	  CloseOnEscape(false), InFrameEventCall(false)
{
	ThePlayer = this;

	ExecutableFile = readPublishedTrailer(hx::platform::getOwnExecutablePath(), Trailer);

	if (!windowSize && !windowed && (Trailer.flags & SPublishedTrailer::ETF_USE_DESKTOP_SIZE))
	{
		const core::dimension2du desktop = CPlayerDeviceFactory::queryDesktopSize();
		if (desktop.Width > 0 && desktop.Height > 0)
		{
			Trailer.windowWidth = s32(desktop.Width);
			Trailer.windowHeight = s32(desktop.Height);
		}
	}

	createDevice(windowed, windowSize);
	if (!Device)
		return;

	showLoadingScreen();
	const u32 loadingStart = Device->getTimer()->getRealTime();

	if (Debug)
		CloseOnEscape = true;

	updateWindowCaption(false);


	keepLoadingScreenUp(loadingStart);
}

CPlayer::~CPlayer()
{
	if (CurrentSceneManager)
		CurrentSceneManager->drop();
	if (Device)
		Device->drop();
	if (ExecutableFile)
		ExecutableFile->drop();
	ThePlayer = 0;
}

void CPlayer::createDevice(bool windowed, const core::dimension2di* windowSize)
{
	if (windowSize)
	{
		Trailer.windowWidth = windowSize->Width;
		Trailer.windowHeight = windowSize->Height;
	}
	Device = CPlayerDeviceFactory::createDevice(CPlayerDeviceFactory::makeParameters(Trailer, windowed, windowSize, this));
	// Before anything else adds renderers, so that the program's types get their stored numbers.
	if (Device)
		installVeskMaterialRenderers(Device);
}

void CPlayer::showLoadingScreen()
{
	io::IReadFile* imageFile = openLoadingImageFile(ExecutableFile, Trailer);
	if (imageFile)
	{
		LoadingImage = CLoadingScreen::loadImage(Device, imageFile);
		imageFile->drop();
	}
	CLoadingScreen::draw(Device, Trailer, LoadingImage);
	updateWindowCaption(true);
}

void CPlayer::keepLoadingScreenUp(u32 loadingStart)
{
	if (!LoadingImage || Debug)
		return;
	const s32 elapsed = s32(Device->getTimer()->getRealTime() - loadingStart);
	const s32 wait = s32(MINIMUM_LOADING_SCREEN_MS) - elapsed;
	if (wait > 0)
		Device->sleep(u32(wait) < MINIMUM_LOADING_SCREEN_MS ? u32(wait) : MINIMUM_LOADING_SCREEN_MS);
}

void CPlayer::updateWindowCaption(bool loading)
{
	if (!Device)
		return;
	core::stringw caption;
	if (loading)
		caption += L"Helixpane Engine, Loading...";
	else if (CloseOnEscape)
		caption += L" - Testing. Press ESCAPE to close";
	if (caption != LastCaption)
	{
		LastCaption = caption;
		Device->setWindowCaption(caption.c_str());
	}
}

void CPlayer::run()
{
	if (!Device)
		return;
	ITimer* timer = Device->getTimer();
	CFrameLimiter limiter(Trailer.maxFramesPerSecond, timer->getRealTime());
	while (Device->run())
	{
		const u32 now = timer->getRealTime();
		switch (limiter.decide(now, Device->isWindowActive(), false))
		{
		case CFrameLimiter::ED_SLEEP_INACTIVE:
			Device->sleep(CFrameLimiter::INACTIVE_SLEEP_MS);
			break;
		case CFrameLimiter::ED_WAIT:
			Device->sleep(0);
			break;
		case CFrameLimiter::ED_DRAW:
			drawFrame();
			limiter.frameDrawn(now);
			break;
		}
	}
}

void CPlayer::drawFrame()
{
	scene::ISceneManager* sceneManager = CurrentSceneManager;
	if (sceneManager)
		sceneManager->grab();
	video::IVideoDriver* driver = Device->getVideoDriver();
	driver->beginScene(true, true, video::SColor(0xFF000000));
	Device->getGUIEnvironment()->drawAll();
	driver->endScene();
	++FramesDrawn;
	if (sceneManager)
		sceneManager->drop();
}

bool CPlayer::OnEvent(const SEvent& event)
{
	// Log lines are taken here so that the engine's logger never writes to standard output.
	if (event.EventType == EET_LOG_TEXT_EVENT)
		return true;
	if (event.EventType == EET_KEY_INPUT_EVENT && CloseOnEscape && event.KeyInput.Key == KEY_ESCAPE)
	{
		if (Device)
			Device->closeDevice();
		return true;
	}
	if (CurrentSceneManager)
		return CurrentSceneManager->postEventFromUser(event);
	return false;
}
