#include "worksheet_pages.h"

#include "worksheet_words.h"

namespace parabel {

namespace {

// The line of an equation on a sheet and in a key: "1) 2x^2-3x-5=0".
std::string NumberedEquation(std::size_t number, const WorksheetEquation& equation) {
    return std::to_string(number) + ") " + equation.solution.front();
}

// The equations' blocks, each its line (wrapped to the column) and the
// empty lines for the working.
std::vector<std::vector<std::string>> EquationBlocks(const WorksheetVariant& variant,
                                                     double columnEm) {
    std::vector<std::vector<std::string>> blocks;
    for (std::size_t i = 0; i < variant.equations.size(); ++i) {
        std::vector<std::string> block =
            WrappedLine(NumberedEquation(i + 1, variant.equations[i]), columnEm);
        block.resize(block.size() + kWorkLines);
        blocks.push_back(std::move(block));
    }
    return blocks;
}

// The blocks of a variant's key, each line wrapped to the page: each
// equation's line and its answer line, or its worked solution.
std::vector<std::vector<std::string>> KeyBlocks(const WorksheetVariant& variant,
                                                bool workedSolutions, double widthEm) {
    std::vector<std::vector<std::string>> blocks;
    for (std::size_t i = 0; i < variant.equations.size(); ++i) {
        const WorksheetEquation& equation = variant.equations[i];
        std::vector<std::string> lines = {NumberedEquation(i + 1, equation)};
        if (workedSolutions) {
            lines.insert(lines.end(), equation.solution.begin() + 1, equation.solution.end());
        } else {
            lines.push_back(AnswerLine(equation));
        }
        std::vector<std::string>& block = blocks.emplace_back();
        for (const std::string& line : lines) {
            for (std::string& piece : WrappedLine(line, widthEm)) {
                block.push_back(std::move(piece));
            }
        }
    }
    return blocks;
}

// Starts a sheet's page: the heading, on the first page the pupil's line,
// then an empty line; the second column empty beside them.
PrintedPage& StartSheetPage(PrintedDocument& document, const std::string& heading, double widthEm) {
    PrintedPage& page = document.pages.emplace_back();
    page.lines = WrappedLine(heading, widthEm);
    if (document.pages.size() == 1) {
        for (std::string& piece : WrappedLine(PupilLine(), widthEm)) {
            page.lines.push_back(std::move(piece));
        }
    }
    page.lines.emplace_back();
    page.secondColumn.resize(page.lines.size());
    return page;
}

}  // namespace

PrintedDocument LayOutWorksheetSheet(const Paper& paper, std::uint32_t seed,
                                     const WorksheetVariant& variant, const PrintedDate& date) {
    const std::string heading = WorksheetHeading(seed, variant.number);
    PrintedDocument document = LayOutPrintedDocument(paper, {heading}, 0, 0, date);
    document.pages.clear();
    document.secondColumnLeft = document.margin + (paper.width - 2 * document.margin) / 2;
    const double widthEm = TextWidthEm(document);
    const std::size_t rows = LinesPerPage(document);
    const std::vector<std::vector<std::string>> blocks = EquationBlocks(variant, widthEm / 2 - 1);
    std::size_t next = 0;
    while (next < blocks.size()) {
        PrintedPage& page = StartSheetPage(document, heading, widthEm);
        const std::size_t top = page.lines.size();
        // Down the first column, then the second, block by block; a page
        // always takes at least one block, even one taller than the page.
        for (std::vector<std::string>* column : {&page.lines, &page.secondColumn}) {
            while (next < blocks.size() &&
                   (column->size() == top || column->size() + blocks[next].size() <= rows)) {
                column->insert(column->end(), blocks[next].begin(), blocks[next].end());
                ++next;
            }
        }
    }
    return document;
}

std::vector<std::string> WorksheetKeyLines(std::uint32_t seed, const WorksheetVariant& variant,
                                           bool workedSolutions) {
    std::vector<std::string> lines = {WorksheetKeyHeading(seed, variant.number), ""};
    for (std::size_t i = 0; i < variant.equations.size(); ++i) {
        const WorksheetEquation& equation = variant.equations[i];
        lines.push_back(NumberedEquation(i + 1, equation));
        if (workedSolutions) {
            lines.insert(lines.end(), equation.solution.begin() + 1, equation.solution.end());
            lines.emplace_back();
        } else {
            lines.push_back(AnswerLine(equation));
        }
    }
    return lines;
}

PrintedDocument LayOutWorksheetKey(const Paper& paper, std::uint32_t seed,
                                   const WorksheetVariant& variant, bool workedSolutions,
                                   const PrintedDate& date) {
    const std::string heading = WorksheetKeyHeading(seed, variant.number);
    PrintedDocument document = LayOutPrintedDocument(paper, {heading}, 0, 0, date);
    document.pages.clear();
    const double widthEm = TextWidthEm(document);
    const std::size_t rows = LinesPerPage(document);
    const auto startPage = [&] {
        PrintedPage& page = document.pages.emplace_back();
        page.lines = WrappedLine(heading, widthEm);
        page.lines.emplace_back();
        return page.lines.size();
    };
    std::size_t top = startPage();
    for (const std::vector<std::string>& block : KeyBlocks(variant, workedSolutions, widthEm)) {
        // A block goes whole onto the next page when the rest of this one is
        // too short; one taller than a page runs on.
        bool separated = workedSolutions && document.pages.back().lines.size() > top;
        const std::size_t height = block.size() + (separated ? 1 : 0);
        if (document.pages.back().lines.size() > top &&
            document.pages.back().lines.size() + height > rows) {
            top = startPage();
            separated = false;
        }
        if (separated) {
            document.pages.back().lines.emplace_back();
        }
        for (const std::string& line : block) {
            if (document.pages.back().lines.size() >= rows) {
                top = startPage();
            }
            document.pages.back().lines.push_back(line);
        }
    }
    return document;
}

std::vector<PrintedDocument> LayOutWorksheet(const Paper& paper, const Worksheet& worksheet,
                                             bool workedSolutions, const PrintedDate& date) {
    std::vector<PrintedDocument> documents;
    for (const WorksheetVariant& variant : worksheet.variants) {
        documents.push_back(LayOutWorksheetSheet(paper, worksheet.seed, variant, date));
    }
    for (const WorksheetVariant& variant : worksheet.variants) {
        documents.push_back(
            LayOutWorksheetKey(paper, worksheet.seed, variant, workedSolutions, date));
    }
    return documents;
}

}  // namespace parabel
