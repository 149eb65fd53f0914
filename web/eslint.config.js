// ESLint's recommended rules over the page's modules and its service worker.
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    files: ['site/js/**/*.js'],
    languageOptions: { ecmaVersion: 2022, sourceType: 'module', globals: globals.browser },
    rules: {
      // Exit ends every listener of the program's through one signal.
      'no-restricted-syntax': ['error', {
        selector: "CallExpression[callee.property.name='addEventListener'][arguments.length<3]",
        message: "A listener of the program's takes { signal: running } (program_life.js).",
      }],
    },
  },
  {
    // The service worker, from sw.js.in with its build's list filled in.
    files: ['**/sw.js'],
    languageOptions: { ecmaVersion: 2022, sourceType: 'script', globals: globals.serviceworker },
  },
];
