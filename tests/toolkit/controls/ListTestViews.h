#pragma once

#include "platform/FourCC.h"
#include "toolkit/controls/VR2ListServiceView.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/hosts/HostTestViews.h"

#include <memory>
#include <string>

// A row list that logs its 'chgd', 'dblk' and 'keyp' reports: each handler
// sends the message to the list itself, which writes "list <code> <value>".
class TestList : public VR2ListServiceView {
public:
    using Ref = std::shared_ptr<TestList>;
    static Ref Make(const std::shared_ptr<EventLog>& log, int32_t left, int32_t top, int32_t width, int32_t height)
    {
        auto list = VR2View::Create<TestList>();
        list->log = log;
        list->move(left, top, false);
        list->resize(width, height, false);
        for (const int32_t code : {codes::kEventChanged, codes::kEventDoubleClick, codes::kEventKeyPress}) {
            auto handler = VR2EventHandler::Create();
            handler->targetCode = codes::kTargetSelf;
            handler->messageCategory = "list";
            handler->messageSelector = code;
            list->EventHandlerTable->addHandler(code, handler);
        }
        return list;
    }

    // Rows of 280 x 20 named r0, r1 ...
    void Fill(int count)
    {
        for (int index = 0; index < count; ++index) {
            auto row = ProbeView::Create(log, "r" + std::to_string(index), 0, 0, 280, 20);
            row->takeWheel = false;
            AddRow(row, false);
        }
        ArrangeRows(true);
    }
    VR2View::Ref Row(int index) { return getViewList().at(static_cast<size_t>(index)); }
    std::string Selection()
    {
        std::string names;
        for (const auto& row : selectedRows())
            names += (names.empty() ? "" : " ") + row->Name;
        return names;
    }

    std::shared_ptr<EventLog> log;

protected:
    void HandleMessage(const VR2Object::Ref&, const VR2Message::Ref& message) override
    {
        const auto code = message->selector;
        std::string value;
        if (code == codes::kEventKeyPress) {
            value = KeyLabel(message->params->Value(VR2ListServiceView::kKeyPressKey).StringValue());
        } else {
            const auto row = message->params->Value(codes::kKeyValue).As<VR2View>();
            value = row ? row->Name : "nil";
        }
        log->push_back("list " + platform::FourCCText(code) + " " + value);
        message->result = codes::kResultHandled;
    }
};
