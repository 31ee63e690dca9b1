#include "ui/framework/framework.h"

#include "ui/framework/backend.h"

namespace vantry::framework {

// ---- CWnd: every operation goes to the backend's window; a wrapper without one does nothing.

void CWnd::SetWindowText(std::string_view text) {
    if (peer_) peer_->setText(text);
}

int CWnd::GetWindowText(char* buffer, int maxCount) const {
    if (maxCount <= 0) return 0;
    if (!peer_) {
        buffer[0] = '\0';
        return 0;
    }
    return peer_->getText(buffer, maxCount);
}

void CWnd::SetFocus() {
    if (peer_) peer_->setFocus();
}

LResult CWnd::SendMessage(MessageId message, WParam wParam, LParam lParam) {
    return peer_ ? peer_->send(message, wParam, lParam) : 0;
}

void CWnd::Invalidate(bool erase) {
    if (peer_) peer_->invalidate(erase);
}

void CWnd::UpdateWindow() {
    if (peer_) peer_->update();
}

bool CWnd::IsIconic() const { return peer_ && peer_->isIconic(); }

Rect CWnd::GetClientRect() const { return peer_ ? peer_->clientRect() : Rect{}; }

int CWnd::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
    return CurrentBackend().messageBox(peer_, text, caption, type);
}

// ---- Device contexts

void CDC::SetBkColor(Colour colour) { CurrentBackend().setBackgroundColour(dc_, colour); }

void CDC::DrawIcon(int x, int y, IconHandle icon) { CurrentBackend().drawIcon(dc_, x, y, icon); }

CPaintDC::CPaintDC(CWnd& window)
    : CDC(window.peer() ? CurrentBackend().beginPaint(*window.peer()) : nullptr), window_(window) {}

CPaintDC::~CPaintDC() {
    if (window_.peer()) CurrentBackend().endPaint(*window_.peer(), dc_);
}

// ---- CDialog

// Turns the backend's deliveries into the dialog's virtual handlers.
class CDialog::Events : public DialogEvents {
public:
    explicit Events(CDialog& dialog) : dialog_(dialog) {}

    bool initDialog(WindowPeer& window) override {
        dialog_.peer_ = &window;
        return dialog_.OnInitDialog();
    }
    void paint() override { dialog_.OnPaint(); }
    IconHandle queryDragIcon() override { return dialog_.OnQueryDragIcon(); }
    BrushHandle ctlColor(DcHandle dc, WindowPeer* control, unsigned kind) override {
        CDC context(dc);
        CWnd wrapper(control);
        return dialog_.OnCtlColor(context, control ? &wrapper : nullptr, kind);
    }
    void command(int id) override { dialog_.OnCommand(id); }
    void editChanged(int id) override { dialog_.OnEditChange(id); }
    void fileDropped(const std::string& path) override { dialog_.OnDropFile(path); }
    void destroyed() override {
        dialog_.OnDestroy();
        for (auto& item : dialog_.items_) item.second->peer_ = nullptr;
        dialog_.peer_ = nullptr;
    }

private:
    CDialog& dialog_;
};

CDialog::CDialog(const ResourceModule& module, int templateId, CWnd* /*parent*/)
    : module_(module), templateId_(templateId), events_(std::make_unique<Events>(*this)) {}

CDialog::~CDialog() = default;

std::intptr_t CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = indirect_ ? indirect_ : module_.findDialog(templateId_);
    if (dialogTemplate == nullptr) return -1;
    return CurrentBackend().runModal(*dialogTemplate, *events_);
}

void CDialog::EndDialog(std::intptr_t result) {
    if (peer_) CurrentBackend().endModal(*peer_, result);
}

CWnd* CDialog::GetDlgItem(int id) {
    if (!peer_) return nullptr;
    WindowPeer* child = peer_->child(id);
    if (child == nullptr) return nullptr;
    std::unique_ptr<CWnd>& item = items_[id];
    if (!item) item = std::make_unique<CWnd>();
    item->peer_ = child;
    return item.get();
}

void CDialog::RemoveControlsFrom(std::size_t first) {
    if (!peer_) return;
    CurrentBackend().removeControlsFrom(*peer_, first);
    // A kept wrapper of a control that is gone holds no window, as after the dialog's end.
    for (auto& item : items_)
        if (peer_->child(item.first) == nullptr) item.second->peer_ = nullptr;
}

void CDialog::AddControlsFrom(std::size_t first) {
    if (peer_) CurrentBackend().addControlsFrom(*peer_, first);
}

bool CDialog::OnInitDialog() { return true; }

void CDialog::OnPaint() {
    if (peer_) CurrentBackend().defaultPaint(*peer_);
}

IconHandle CDialog::OnQueryDragIcon() { return nullptr; }

BrushHandle CDialog::OnCtlColor(CDC&, CWnd*, unsigned) { return nullptr; }

void CDialog::OnCommand(int id) {
    if (id == kIdOk) OnOK();
    if (id == kIdCancel) OnCancel();
}

void CDialog::OnOK() { EndDialog(kIdOk); }

void CDialog::OnCancel() { EndDialog(kIdCancel); }

// ---- CWinApp

namespace {
CWinApp* theApplication = nullptr;
}

CWinApp::CWinApp() { theApplication = this; }

CWinApp::~CWinApp() {
    if (theApplication == this) theApplication = nullptr;
}

bool CWinApp::InitInstance() { return true; }

CWinApp* CWinApp::current() { return theApplication; }

int RunApplication() {
    CWinApp* app = CWinApp::current();
    if (app == nullptr) return 1;
    app->InitInstance();  // a dialog program returns FALSE: there is no message loop to enter
    return 0;
}

// ---- Resources and GDI

IconHandle LoadIconResource(const ResourceModule& module, int resourceId) {
    return CurrentBackend().loadIcon(module, resourceId);
}

BrushHandle CreateSolidBrush(Colour colour) { return CurrentBackend().createSolidBrush(colour); }

void DeleteBrush(BrushHandle brush) {
    if (brush) CurrentBackend().deleteBrush(brush);
}

int GetSystemMetrics(int index) { return CurrentBackend().systemMetric(index); }

std::optional<std::string> ChooseFileToOpen(CWnd* owner, std::string_view title, std::string_view pattern) {
    return CurrentBackend().chooseFileToOpen(owner ? owner->peer() : nullptr, title, pattern);
}

void WaitWhile(const std::function<bool()>& running) { CurrentBackend().waitWhile(running); }

}  // namespace vantry::framework
